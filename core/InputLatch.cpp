#include "core/InputLatch.h"

#include <allegro.h>

#include <atomic>

#include "core/MouseInput.h"

namespace {
constexpr int ReleaseBit = 0x80;  // set in the low-level scancode of a release
constexpr int ScancodeMask = 0x7f;

// Written by the input thread; read and cleared by the tick.
std::atomic<bool> down[KEY_MAX];
std::atomic<bool> wentDown[KEY_MAX];
std::atomic<int> buttonsWentDown(0);
// This tick's presses: the main thread's alone.
bool latched[KEY_MAX];
int latchedButtons = 0;

// Auto-repeat sends more presses while a key is down: only the first one is
// a press, so a key held past a tick is read exactly as before.
void onKey(int scancode)
{
    const int k = scancode & ScancodeMask;
    if (k >= KEY_MAX)
        return;
    if (scancode & ReleaseBit)
        down[k] = false;
    else if (!down[k].exchange(true))
        wentDown[k] = true;
}

void onMouse(int flags)
{
    const int pressed =
        (flags & MOUSE_FLAG_LEFT_DOWN ? LeftButton : 0) | (flags & MOUSE_FLAG_RIGHT_DOWN ? RightButton : 0);
    if (pressed)
        buttonsWentDown.fetch_or(pressed);
}
}

namespace input {

void installLatch()
{
    keyboard_lowlevel_callback = onKey;
    mouse_callback = onMouse;
}

void latchTick()
{
    for (int k = 0; k < KEY_MAX; ++k)
        latched[k] = wentDown[k].exchange(false);
    latchedButtons = buttonsWentDown.exchange(0);
}

bool held(int scancode)
{
    return key[scancode] || latched[scancode];
}

bool buttonHeld(int button)
{
    return (mouse_b & button) || (latchedButtons & button);
}

}
