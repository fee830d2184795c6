// Golden replays: recorded input fed through a fresh game must end in the
// recorded state (see tests/replays/README.md).
#include <gtest/gtest.h>

#include <allegro.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
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
    return std::string(std::istreambuf_iterator<char>(in), {});
}

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

class GoldenReplay : public testing::TestWithParam<const char*> {};
}

TEST_P(GoldenReplay, EndsInItsRecordedState)
{
    const std::string name = GetParam();
    std::srand(1);
    std::unique_ptr<Game> game(new Game());
    std::istringstream lines(readReplayFile(name + ".replay"));
    std::string line;
    // One line per run of equal ticks: "<ticks> <keys> <mouse x> <mouse y> <buttons>".
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        long ticks = 0;
        int x = 0, y = 0;
        std::string keys, buttons;
        if (line.empty() || line[0] == '#')
            continue;
        ASSERT_TRUE(fields >> ticks >> keys >> x >> y >> buttons) << line;
        headless::releaseInput();
        for (char letter : keys)
            if (const char* found = std::strchr(KeyLetters, letter))
                key[KeyCodes[found - KeyLetters]] = 1;
        mouse_x = x;
        mouse_y = y;
        mouse_b = (buttons.find('L') != std::string::npos ? 1 : 0) | (buttons.find('R') != std::string::npos ? 2 : 0);
        for (long t = 0; t < ticks; ++t) {
            game->update();
            game->draw();
        }
    }
    EXPECT_EQ(summarize(*game), readReplayFile(name + ".expected"));
    const char* shots = std::getenv("ORKCAVE_SHOTS");
    if (shots && game->screens->state == Victory)
        headless::savePng(game->backBuffer.get(), (std::string(shots) + "/victory.png").c_str());
}

INSTANTIATE_TEST_SUITE_P(Recordings, GoldenReplay, testing::Values("kill_and_respawn", "stealth_walk", "victory"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
