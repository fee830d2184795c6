#pragma once

#include <string>
#include <vector>

class Game;

// Recorded play: the input the game reads, tick by tick, run-length encoded.
// One line per run of equal ticks: "<ticks> <keys> <mouse x> <mouse y> <buttons>",
// keys from "1234WASD_" (F1 to F4, the movement keys, '_' for Space) or "-",
// buttons "L", "R", "LR" or "-". Lines starting with '#' are comments.
struct ReplayInput {
    bool levelKeys[4] = {};  // F1 to F4
    bool up = false, left = false, down = false, right = false;
    bool space = false;
    int mouseX = 0;
    int mouseY = 0;
    int buttons = 0;  // bit 0 the left button, bit 1 the right

    bool operator==(const ReplayInput& other) const;
};

struct ReplayStep {
    long ticks = 1;
    ReplayInput input;
};

using Recording = std::vector<ReplayStep>;

// "" on success, otherwise what is wrong and on which line.
std::string parseRecording(const std::string& text, Recording& recording);
std::string formatRecording(const Recording& recording);
// Adds one tick, merged into the last step when the input is the same.
void appendTick(Recording& recording, const ReplayInput& input);
long tickCount(const Recording& recording);

// Writes key[], mouse_x, mouse_y and mouse_b as the player would hold them.
void applyInput(const ReplayInput& input);
// Feeds every tick through update and draw, as the main loop does.
void playRecording(Game& game, const Recording& recording);

// The end state a replay must reproduce exactly: level size, screen, the
// elf, deaths, every active ork (health, rounded position), dagger states,
// and a hash of the fog of war.
std::string summarize(const Game& game);
