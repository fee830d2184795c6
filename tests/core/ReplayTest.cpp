// Golden replays: recorded input fed through a fresh game must end in the
// recorded state, and keep the rules on the way (see tests/replays/README.md).
#include <gtest/gtest.h>

#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/Game.h"
#include "support/Headless.h"

namespace {
const char KeyLetters[] = "1234WASD_";
constexpr int KeyCodes[] = {KEY_F1, KEY_F2, KEY_F3, KEY_F4, KEY_W, KEY_A, KEY_S, KEY_D, KEY_SPACE};

std::string readReplayFile(const std::string& name)
{
    std::ifstream in(std::string(ORKCAVE_REPLAY_DIR) + "/" + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// One line per run of equal ticks: "<ticks> <keys> <mouse x> <mouse y> <buttons>".
struct Step {
    long ticks = 0;
    std::string keys;
    std::string buttons;

    // Reads the line and holds its keys, mouse and buttons as the player would.
    bool hold(const std::string& line)
    {
        std::istringstream fields(line);
        int x = 0, y = 0;
        if (!(fields >> ticks >> keys >> x >> y >> buttons))
            return false;
        for (int k = 0; k < KEY_MAX; ++k)
            key[k] = 0;
        for (char letter : keys)
            if (const char* found = std::strchr(KeyLetters, letter))
                key[KeyCodes[found - KeyLetters]] = 1;
        mouse_x = x;
        mouse_y = y;
        mouse_b = (has('L') ? 1 : 0) | (has('R') ? 2 : 0);
        return true;
    }
    bool has(char c) const { return (keys + buttons).find(c) != std::string::npos; }
};

// Screen, level, the elf, the bag, deaths, every ork, the daggers and a hash of the fog.
std::string summarize(const Game& game)
{
    std::ostringstream text;
    const Elf& elf = *game.elf;
    const OrkHorde& orks = *game.orks;
    text << "screen " << game.screens->state << "\nlevel " << game.tileMap->width << 'x' << game.tileMap->height
         << "\nelf " << std::lround(elf.position->x) << ' ' << std::lround(elf.position->y)
         << (elf.dead ? " dead" : " alive") << (elf.carryingBag ? " bag" : " no-bag") << "\nbag "
         << std::lround(game.bagPosition->x) << ' ' << std::lround(game.bagPosition->y) << "\ndeaths "
         << game.deaths << "\norks " << orks.count << " alive " << orks.aliveCount << '\n';
    for (int i = 0; i < orks.count; ++i)
        text << "ork " << i << " health " << orks.health[i] << " at " << std::lround(orks.pos[i]->x) << ' '
             << std::lround(orks.pos[i]->y) << '\n';
    text << "daggers";
    for (int k = 0; k < DaggerSet::DaggerCount; ++k)
        text << ' ' << elf.daggers->state[k];
    uint64_t fog = 1469598103934665603ull;  // FNV-1a
    for (const auto& column : game.tileMap->tiles)
        for (const Tile& tile : column)
            fog = (fog ^ static_cast<uint64_t>(tile.visibility + 2)) * 1099511628211ull;
    char hash[32];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fog));
    text << " in-hand " << elf.daggers->inHandCount << "\nfog " << hash << '\n';
    return text.str();
}

// What each recording is about, counted from the rules while it plays.
struct Story {
    const char* name;
    int victories;
    int deaths;
    int respawns;
    int minKills;
    bool endsCarryingBag;
};

const Story Stories[] = {
    {"kill_and_respawn", 0, 1, 1, 1, false},
    {"stealth_walk", 0, 0, 0, 0, true},
    {"victory", 1, 0, 0, 0, true},
};

class GoldenReplay : public testing::TestWithParam<Story> {};
}

// The expected state came from the code, so the rules are checked tick by
// tick too: a win only with the bag strictly beyond the entrance, a respawn
// only on Space, at the entrance, with every dagger back and the bag left
// where it lay, and no bag while sneaking.
TEST_P(GoldenReplay, EndsInItsRecordedStateAndKeepsTheRulesOnTheWay)
{
    const Story story = GetParam();
    headless::releaseInput();
    std::srand(1);
    std::unique_ptr<Game> game(new Game());
    Game& g = *game;
    int victories = 0, deaths = 0, respawns = 0, kills = 0;
    std::istringstream lines(readReplayFile(std::string(story.name) + ".replay"));
    std::string line;
    Step step;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        ASSERT_TRUE(step.hold(line)) << line;
        const bool levelKey = step.keys.find_first_of("1234") != std::string::npos;
        for (long t = 0; t < step.ticks; ++t) {
            const bool wasDead = g.elf->dead;
            const int wasScreen = g.screens->state;
            const int wasAlive = g.orks->aliveCount;
            const double bagX = g.bagPosition->x;
            g.update();
            g.draw();
            const double entranceX = (g.tileMap->width + 8) * 64.0;
            const double entranceY = (g.tileMap->height + 8) * 64.0;
            if (wasScreen == Playing && g.screens->state == Victory) {
                ++victories;
                EXPECT_TRUE(g.elf->carryingBag && g.elf->position->x > entranceX && g.elf->position->y > entranceY);
            }
            EXPECT_FALSE(step.has('R') && g.elf->carryingBag) << "bag while sneaking";
            if (levelKey)
                continue;
            deaths += !wasDead && g.elf->dead;
            kills += std::max(0, wasAlive - g.orks->aliveCount);
            if (wasDead && !g.elf->dead) {
                ++respawns;
                EXPECT_TRUE(step.has('_')) << "only Space respawns";
                EXPECT_TRUE(g.elf->position->x == entranceX && g.elf->position->y == entranceY);
                EXPECT_EQ(std::count(g.elf->daggers->state, g.elf->daggers->state + 10, InHand), 10);
                EXPECT_EQ(g.bagPosition->x, bagX) << "the bag stays where it lay";
            }
        }
    }
    EXPECT_EQ(summarize(g), readReplayFile(std::string(story.name) + ".expected"));
    EXPECT_EQ(victories, story.victories);
    EXPECT_EQ(deaths, story.deaths);
    EXPECT_EQ(respawns, story.respawns);
    EXPECT_GE(kills, story.minKills);
    EXPECT_EQ(g.elf->carryingBag, story.endsCarryingBag);
    if (g.screens->state == Victory) {
        if (const char* shots = std::getenv("ORKCAVE_SHOTS"))
            headless::savePng(g.backBuffer, (std::string(shots) + "/victory.png").c_str());
        // Nothing moves on the victory panel, whatever the player holds.
        const std::string frozen = summarize(g);
        key[KEY_W] = key[KEY_D] = key[KEY_SPACE] = 1;
        mouse_b = 3;
        for (int t = 0; t < 10; ++t)
            g.update();
        EXPECT_EQ(summarize(g), frozen);
    }
    headless::releaseInput();
}

INSTANTIATE_TEST_SUITE_P(Recordings, GoldenReplay, testing::ValuesIn(Stories),
                         [](const testing::TestParamInfo<Story>& info) { return std::string(info.param.name); });
