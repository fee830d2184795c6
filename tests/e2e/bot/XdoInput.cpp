#include "XdoInput.h"

#include <csignal>
#include <cstdlib>

namespace {
// Small mouse jitters change no aim worth a command.
constexpr int MouseDeadZone = 2;
}

XdoInput::XdoInput(const std::string& windowId) : window(windowId)
{
    std::signal(SIGPIPE, SIG_IGN);  // a vanished xdotool shows as ok() false, not a crash
    pipe = popen("xdotool -", "w");
}

XdoInput::~XdoInput()
{
    if (pipe) {
        releaseAll();
        pclose(pipe);
    }
}

void XdoInput::key(const char* name, bool& isDown, bool wantDown)
{
    if (isDown == wantDown)
        return;
    std::fprintf(pipe, "%s %s\n", wantDown ? "keydown" : "keyup", name);
    isDown = wantDown;
}

void XdoInput::button(int number, bool& isDown, bool wantDown)
{
    if (isDown == wantDown)
        return;
    std::fprintf(pipe, "%s %d\n", wantDown ? "mousedown" : "mouseup", number);
    isDown = wantDown;
}

void XdoInput::apply(const Controls& wanted)
{
    if (!pipe)
        return;
    if (!mouseKnown || std::abs(wanted.mouseX - held.mouseX) > MouseDeadZone ||
        std::abs(wanted.mouseY - held.mouseY) > MouseDeadZone) {
        std::fprintf(pipe, "mousemove --window %s %d %d\n", window.c_str(), wanted.mouseX, wanted.mouseY);
        held.mouseX = wanted.mouseX;
        held.mouseY = wanted.mouseY;
        mouseKnown = true;
    }
    key("w", held.up, wanted.up);
    key("s", held.down, wanted.down);
    key("a", held.left, wanted.left);
    key("d", held.right, wanted.right);
    key("space", held.respawn, wanted.respawn);
    key("F1", held.smallLevel, wanted.smallLevel);
    // Press the new button before letting go of the old one, so that no tick
    // sees neither: the bag trick (drop by stealth, then throw) relies on it.
    if (wanted.fire) {
        button(1, held.fire, true);
        button(3, held.stealth, wanted.stealth);
    } else {
        button(3, held.stealth, wanted.stealth);
        button(1, held.fire, false);
    }
    std::fflush(pipe);
}

void XdoInput::releaseAll()
{
    Controls none;
    none.mouseX = held.mouseX;
    none.mouseY = held.mouseY;
    apply(none);
}
