#include "core/Startup.h"

#include <allegro.h>

#include <cstdio>

#include "core/DataCheck.h"
#include "core/DesktopWindow.h"
#include "core/Game.h"
#include "core/InputLatch.h"
#include "core/MainLoop.h"
#include "core/Signals.h"
#include "core/TickClock.h"

// After the game's headers: it brings in Xlib's macros.
#include <xalleg.h>

std::string noDisplayMessage(const char* title)
{
    return std::string(title)
        + " could not start: no display could be opened. Run it from a desktop session (is DISPLAY set?).";
}

// The four start-up messages are the game's own words, spelling included.
const char* const GraphicsFailedMessage = "Graphics Initilization Failed";
const char* const TimerFailedMessage = "Timer Initilization Failed";
const char* const MouseFailedMessage = "Mouse Initilization Failed";
const char* const SoundFailedMessage = "Sound Initilization Failed";

namespace {
const char* const WindowClass = "Orkcave";  // the desktop entry's StartupWMClass

void nameWindow(const char* program) { xwin_set_window_name(program, WindowClass); }
int initLibrary() { return allegro_init(); }
int installKeyboard() { return install_keyboard(); }
int installMouse() { return install_mouse(); }
void setColorDepth(int depth) { set_color_depth(depth); }
int setGraphicsMode(int card, int w, int h, int vw, int vh) { return set_gfx_mode(card, w, h, vw, vh); }
void dressWindow(const char* title)
{
    set_window_title(title);
    set_close_button_callback(onCloseButton);
    introduceWindowToDesktop();
    // X11 refuses SWITCH_PAUSE; the switch callbacks hold the tick clock in either mode.
    if (set_display_switch_mode(SWITCH_PAUSE) != 0)
        set_display_switch_mode(SWITCH_BACKGROUND);
    set_display_switch_callback(SWITCH_OUT, holdTicks);
    set_display_switch_callback(SWITCH_IN, releaseTicks);
}
Game* createGame() { input::installLatch(); return new Game(); }
void pause(unsigned int ms) { rest(ms); }
int installTimer(void (*callback)(), int ms) { return install_int(callback, ms); }
int installSound(int digital, int midi, const char* config) { return install_sound(digital, midi, config); }
void showMessage(const char* text) { allegro_message("%s", text); }
void printError(const char* text) { std::fprintf(stderr, "%s\n", text); }

const StartupCalls LibraryCalls = {
    nameWindow, initLibrary, catchTerminationSignals, installKeyboard, installMouse, setColorDepth,
    dressWindow, setGraphicsMode, findDataProblem, createGame, pause, installTimer, installSound, showMessage,
    printError,
};

// Standard error first: a terminal or a log keeps it even where no message box can appear.
int fail(const StartupCalls& calls, const char* message, bool toTextMode = true)
{
    calls.printError(message);
    if (toTextMode)
        calls.setGraphicsMode(GFX_TEXT, 0, 0, 0, 0);
    calls.showMessage(message);
    return 1;
}
}

const StartupCalls& libraryStartupCalls()
{
    return LibraryCalls;
}

int startUp(const StartupCalls& calls, const char* title, const char* program, Game*& game)
{
    calls.nameWindow(program);
    // Without a display every later library call would touch an uninitialised library.
    if (calls.initLibrary() != 0) {
        calls.printError(noDisplayMessage(title).c_str());
        return 1;
    }
    calls.catchSignals();
    calls.installKeyboard();
    calls.installMouse();  // the second call below is the one that counts
    calls.setColorDepth(ColourDepth);
    resetTickClock();
    calls.dressWindow(title);
    if (calls.setGraphicsMode(GFX_AUTODETECT_WINDOWED, WindowWidth, WindowHeight, 0, 0) != 0)
        return fail(calls, GraphicsFailedMessage);
    // Missing data is found here, before anything is built from it.
    std::string dataProblem = calls.checkData();
    if (!dataProblem.empty())
        return fail(calls, dataProblem.c_str());
    game = calls.createGame();
    calls.pause(StartupPauseMs);
    if (calls.installTimer(onTimer, TimerPeriodMs) != 0)
        return fail(calls, TimerFailedMessage);
    if (calls.installMouse() == -1)
        return fail(calls, MouseFailedMessage);
    if (calls.installSound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr) != 0)
        return fail(calls, SoundFailedMessage, false);
    return 0;
}
