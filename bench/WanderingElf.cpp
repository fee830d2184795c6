#include "WanderingElf.h"

#include <allegro.h>

#include <cmath>

#include "core/Game.h"
#include "core/MouseInput.h"

namespace {
// Compass steps as key combinations: N, NE, E, SE, S, SW, W, NW.
constexpr int StepX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
constexpr int StepY[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
constexpr double LookAhead = 48.0;
constexpr double FarLookAhead = 112.0;
constexpr int LongestCourse = 30;
constexpr int ScoutTiles = 7;
constexpr double AimTurnDegrees = 6.0;
constexpr double AimRadius = 220.0;
constexpr double StuckBelow = 2.0;
constexpr int SneakTicks = 8;
}

uint32_t WanderingElf::nextRandom()
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

bool WanderingElf::canWalk(Game& game, int d, double reach) const
{
    Vector ahead;
    ahead.x = game.elf->position->x + StepX[d] * reach;
    ahead.y = game.elf->position->y + StepY[d] * reach;
    const Tile& tile = game.tileMap->tileAt(ahead);
    return tile.kind != Rock && tile.visibility != Unreachable;
}

// Open ground never seen before draws the elf on, so it explores the cave.
int WanderingElf::unseenAhead(Game& game, int d) const
{
    int unseen = 0;
    Vector ahead;
    for (int step = 2; step <= ScoutTiles; ++step) {
        ahead.x = game.elf->position->x + StepX[d] * step * TileMap::TileSize;
        ahead.y = game.elf->position->y + StepY[d] * step * TileMap::TileSize;
        const Tile& tile = game.tileMap->tileAt(ahead);
        unseen += tile.visibility == Unseen && tile.kind != Rock;
    }
    return unseen;
}

void WanderingElf::chooseDirection(Game& game)
{
    int best = static_cast<int>(nextRandom() % 8);
    int bestScore = -1;
    for (int d = 0; d < 8; ++d) {
        if (d == direction || !canWalk(game, d, LookAhead) || !canWalk(game, d, FarLookAhead))
            continue;
        int score = 2 * unseenAhead(game, d) + static_cast<int>(nextRandom() % 4);
        if (score > bestScore) {
            best = d;
            bestScore = score;
        }
    }
    direction = best;
    ticksOnCourse = 0;
}

void WanderingElf::steer(Game& game)
{
    ++tick;
    const Vector& at = *game.elf->position;
    const bool stuck = std::fabs(at.x - lastX) + std::fabs(at.y - lastY) < StuckBelow;
    if (!game.elf->dead && (stuck || !canWalk(game, direction, LookAhead) || ++ticksOnCourse > LongestCourse))
        chooseDirection(game);
    lastX = at.x;
    lastY = at.y;

    key[KEY_W] = StepY[direction] < 0;
    key[KEY_S] = StepY[direction] > 0;
    key[KEY_A] = StepX[direction] < 0;
    key[KEY_D] = StepX[direction] > 0;
    key[KEY_SPACE] = game.elf->dead;

    aimDegrees += AimTurnDegrees;
    const double radians = aimDegrees * M_PI / 180.0;
    // Round the elf: the aim point sits AimOffset up and left of the mouse.
    mouse_x = View::centreX() + AimOffset + static_cast<int>(AimRadius * std::cos(radians));
    mouse_y = View::centreY() + AimOffset + static_cast<int>(AimRadius * std::sin(radians));
    const bool throwNow = throwEvery > 0 && tick % throwEvery == 0;
    const bool sneakNow = sneakEvery > 0 && tick % sneakEvery < SneakTicks;
    mouse_b = (throwNow ? 1 : 0) | (sneakNow ? 2 : 0);
}
