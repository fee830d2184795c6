#pragma once

#include <cstdio>
#include <string>

// What the bot wants held down this moment; the game reads held states once
// per tick, so the bot only ever says what is down, never "press".
struct Controls {
    bool up = false, down = false, left = false, right = false;
    bool fire = false;     // left button
    bool stealth = false;  // right button
    bool respawn = false;  // space
    bool smallLevel = false;  // F1
    int mouseX = 400;      // window pixels
    int mouseY = 350;
};

// Scripted input through one long-lived `xdotool -` reading commands from a
// pipe: far quicker than a process per key. Sends only what changed.
class XdoInput {
public:
    explicit XdoInput(const std::string& windowId);
    ~XdoInput();

    bool ok() const { return pipe != nullptr; }
    void apply(const Controls& wanted);
    void releaseAll();

private:
    FILE* pipe = nullptr;
    std::string window;
    Controls held;
    bool mouseKnown = false;

    void key(const char* name, bool& isDown, bool wantDown);
    void button(int number, bool& isDown, bool wantDown);
};
