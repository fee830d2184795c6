#pragma once

#include <string>

class Game;

// The library calls of start-up, in a table so that tests can make any one fail.
struct StartupCalls {
    // The window's WM_CLASS, which ties it to its desktop entry; only read as the library starts.
    void (*nameWindow)(const char* program);
    int (*initLibrary)();
    // After the library's start, so that ours replace the handlers it installs.
    void (*catchSignals)();
    int (*installKeyboard)();
    int (*installMouse)();
    void (*setColorDepth)(int depth);
    // Title, close button, what the desktop reads off the window, and no ticks
    // while it is in the background; before the window first shows, so it
    // never shows without its title.
    void (*dressWindow)(const char* title);
    int (*setGraphicsMode)(int card, int width, int height, int virtualWidth, int virtualHeight);
    // Empty when every data file is usable; otherwise what is wrong, naming the file.
    std::string (*checkData)();
    Game* (*createGame)();
    void (*pause)(unsigned int ms);
    int (*installTimer)(void (*callback)(), int periodMs);
    int (*installSound)(int digital, int midi, const char* config);
    void (*showMessage)(const char* text);  // allegro_message
    void (*printError)(const char* text);   // standard error, where every failure goes too
};

constexpr int WindowWidth = 800;
constexpr int WindowHeight = 700;
constexpr int ColourDepth = 16;
constexpr unsigned int StartupPauseMs = 100;

// Names the program by its title.
std::string noDisplayMessage(const char* title);
extern const char* const GraphicsFailedMessage;
extern const char* const TimerFailedMessage;
extern const char* const MouseFailedMessage;
extern const char* const SoundFailedMessage;

// The real Allegro calls.
const StartupCalls& libraryStartupCalls();

// Brings up the library, the window with its title and the Game. Returns 0
// and sets game on success, or the exit code 1 after showing what failed.
// program names the window's instance in WM_CLASS.
int startUp(const StartupCalls& calls, const char* title, const char* program, Game*& game);
