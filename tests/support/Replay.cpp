#include "support/Replay.h"

#include <allegro.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <sstream>

#include "core/Game.h"

namespace {
const char KeyLetters[] = "1234WASD_";
constexpr int LevelKeyCodes[] = {KEY_F1, KEY_F2, KEY_F3, KEY_F4};
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

std::string keysOf(const ReplayInput& input)
{
    std::string keys;
    for (int k = 0; k < 4; ++k)
        if (input.levelKeys[k])
            keys += KeyLetters[k];
    if (input.up)
        keys += 'W';
    if (input.left)
        keys += 'A';
    if (input.down)
        keys += 'S';
    if (input.right)
        keys += 'D';
    if (input.space)
        keys += '_';
    return keys.empty() ? "-" : keys;
}

std::string buttonsOf(int buttons)
{
    std::string text;
    if (buttons & LeftButton)
        text += 'L';
    if (buttons & RightButton)
        text += 'R';
    return text.empty() ? "-" : text;
}

bool readKeys(const std::string& keys, ReplayInput& input)
{
    if (keys == "-")
        return true;
    for (char c : keys) {
        switch (c) {
        case '1': case '2': case '3': case '4': input.levelKeys[c - '1'] = true; break;
        case 'W': input.up = true; break;
        case 'A': input.left = true; break;
        case 'S': input.down = true; break;
        case 'D': input.right = true; break;
        case '_': input.space = true; break;
        default: return false;
        }
    }
    return true;
}

bool readButtons(const std::string& text, int& buttons)
{
    buttons = 0;
    if (text == "-")
        return true;
    for (char c : text) {
        if (c == 'L')
            buttons |= LeftButton;
        else if (c == 'R')
            buttons |= RightButton;
        else
            return false;
    }
    return true;
}

long rounded(double value)
{
    return std::lround(value);
}

uint64_t fogHash(const TileMap& map)
{
    uint64_t hash = 1469598103934665603ull;  // FNV-1a
    for (int x = 0; x < TileMap::GridSize; ++x)
        for (int y = 0; y < TileMap::GridSize; ++y)
            hash = (hash ^ static_cast<uint64_t>(map.tiles[x][y].visibility + 2)) * 1099511628211ull;
    return hash;
}
}

bool ReplayInput::operator==(const ReplayInput& other) const
{
    for (int k = 0; k < 4; ++k)
        if (levelKeys[k] != other.levelKeys[k])
            return false;
    return up == other.up && left == other.left && down == other.down && right == other.right
        && space == other.space && mouseX == other.mouseX && mouseY == other.mouseY && buttons == other.buttons;
}

std::string parseRecording(const std::string& text, Recording& recording)
{
    recording.clear();
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        ReplayStep step;
        std::string keys, buttons, extra;
        if (!(fields >> step.ticks >> keys >> step.input.mouseX >> step.input.mouseY >> buttons) || (fields >> extra)
            || step.ticks < 1 || !readKeys(keys, step.input) || !readButtons(buttons, step.input.buttons))
            return "bad replay line " + std::to_string(number) + ": " + line;
        recording.push_back(step);
    }
    return std::string();
}

std::string formatRecording(const Recording& recording)
{
    std::ostringstream text;
    text << "# ticks keys(1234=F1-F4 WASD _=Space) mouse-x mouse-y buttons(L R)\n";
    for (const ReplayStep& step : recording)
        text << step.ticks << ' ' << keysOf(step.input) << ' ' << step.input.mouseX << ' ' << step.input.mouseY << ' '
             << buttonsOf(step.input.buttons) << '\n';
    return text.str();
}

void appendTick(Recording& recording, const ReplayInput& input)
{
    if (!recording.empty() && recording.back().input == input) {
        ++recording.back().ticks;
        return;
    }
    ReplayStep step;
    step.input = input;
    recording.push_back(step);
}

long tickCount(const Recording& recording)
{
    long ticks = 0;
    for (const ReplayStep& step : recording)
        ticks += step.ticks;
    return ticks;
}

void applyInput(const ReplayInput& input)
{
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
    for (int k = 0; k < 4; ++k)
        key[LevelKeyCodes[k]] = input.levelKeys[k];
    key[KEY_W] = input.up;
    key[KEY_A] = input.left;
    key[KEY_S] = input.down;
    key[KEY_D] = input.right;
    key[KEY_SPACE] = input.space;
    mouse_x = input.mouseX;
    mouse_y = input.mouseY;
    mouse_b = input.buttons;
}

void playRecording(Game& game, const Recording& recording)
{
    for (const ReplayStep& step : recording) {
        applyInput(step.input);
        for (long t = 0; t < step.ticks; ++t) {
            game.update();
            game.draw();
        }
    }
}

std::string summarize(const Game& game)
{
    std::ostringstream text;
    const Elf& elf = *game.elf;
    const OrkHorde& orks = *game.orks;
    text << "screen " << game.screens->state << '\n';
    text << "level " << game.tileMap->width << 'x' << game.tileMap->height << '\n';
    text << "elf " << rounded(elf.position->x) << ' ' << rounded(elf.position->y) << (elf.dead ? " dead" : " alive")
         << (elf.carryingBag ? " bag" : " no-bag") << '\n';
    text << "bag " << rounded(game.bagPosition->x) << ' ' << rounded(game.bagPosition->y) << '\n';
    text << "deaths " << game.deaths << '\n';
    text << "orks " << orks.count << " alive " << orks.aliveCount << '\n';
    for (int i = 0; i < orks.count; ++i)
        text << "ork " << i << " health " << orks.health[i] << " at " << rounded(orks.pos[i]->x) << ' '
             << rounded(orks.pos[i]->y) << '\n';
    text << "daggers";
    for (int k = 0; k < DaggerSet::DaggerCount; ++k)
        text << ' ' << elf.daggers->state[k];
    text << " in-hand " << elf.daggers->inHandCount << '\n';
    char hash[32];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fogHash(*game.tileMap)));
    text << "fog " << hash << '\n';
    return text.str();
}
