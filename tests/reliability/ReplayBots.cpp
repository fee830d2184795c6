#include "reliability/ReplayBots.h"

#include <algorithm>

#include "core/Game.h"
#include "reliability/PathFinding.h"

const char* const BotScenarios[3] = {"kill_and_respawn", "stealth_walk", "victory"};

namespace {
constexpr int TileSize = TileMap::TileSize;
constexpr int ScreenW = 800;
constexpr int ScreenH = 700;
constexpr int AimOffset = 32;        // the game aims 32 px up and left of the mouse
constexpr double AxisDeadBand = 12.0;  // within this on an axis the key stays up, so no see-saw
constexpr double ThrowReach = 320.0;
constexpr double BagReach = 30.0;     // well inside the game's 40
constexpr int RespawnWaitTicks = 5;
constexpr int TailTicks = 20;         // a few ticks after the point is made, so the end state settles
constexpr long TickLimit = 2500;
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

class Bot {
public:
    explicit Bot(Game& g) : game(g) {}

    // Plays one tick with the input chosen so far, recording it.
    void tick()
    {
        applyInput(input);
        appendTick(run.recording, input);
        game.update();
        game.draw();
        input = ReplayInput();
        ++ticks;
    }
    void wait(int count)
    {
        for (int t = 0; t < count; ++t)
            tick();
    }
    bool outOfTime() const { return ticks >= TickLimit; }

    void aimAt(double worldX, double worldY)
    {
        input.mouseX = std::clamp(static_cast<int>(worldX - game.view->origin->x) + AimOffset, 0, ScreenW - 1);
        input.mouseY = std::clamp(static_cast<int>(worldY - game.view->origin->y) + AimOffset, 0, ScreenH - 1);
    }

    // Steers along the shortest path toward a world point and faces the way it goes.
    void walkToward(double worldX, double worldY)
    {
        const Vector& elf = *game.elf->position;
        Vector goal;
        goal.x = worldX;
        goal.y = worldY;
        const Vector waypoint = nextWaypoint(*game.tileMap, elf, goal);
        const double tx = waypoint.x;
        const double ty = waypoint.y;
        input.right = tx - elf.x > AxisDeadBand;
        input.left = elf.x - tx > AxisDeadBand;
        input.down = ty - elf.y > AxisDeadBand;
        input.up = elf.y - ty > AxisDeadBand;
        aimAt(tx, ty);
    }

    // The nearest living ork within reach that the elf has a clear line to, or -1.
    int orkInThrowingRange()
    {
        const Vector& elf = *game.elf->position;
        int best = -1;
        for (int i = 0; i < game.orks->count; ++i) {
            const Vector& ork = *game.orks->pos[i];
            if (game.orks->health[i] > 0 && ork.distance(elf) < ThrowReach && !game.sight->isBlocked(elf, ork)
                && (best < 0 || ork.distance(elf) < game.orks->pos[best]->distance(elf)))
                best = i;
        }
        return best;
    }
    void throwAt(int ork)
    {
        aimAt(game.orks->pos[ork]->x, game.orks->pos[ork]->y);
        input.buttons |= LeftButton;
    }

    int nearestLivingOrk()
    {
        const Vector& elf = *game.elf->position;
        int best = -1;
        for (int i = 0; i < game.orks->count; ++i)
            if (game.orks->health[i] > 0
                && (best < 0 || game.orks->pos[i]->distance(elf) < game.orks->pos[best]->distance(elf)))
                best = i;
        return best;
    }

    void respawnIfDead()
    {
        if (!game.elf->dead)
            return;
        wait(RespawnWaitTicks);
        input.space = true;
        tick();
    }

    double entranceX() const { return (game.tileMap->width + 8.0) * TileSize; }
    double entranceY() const { return (game.tileMap->height + 8.0) * TileSize; }

    Game& game;
    ReplayInput input;
    BotRun run;
    long ticks = 0;
};

void startSmallLevel(Bot& bot, int introTicks)
{
    bot.wait(introTicks);
    bot.input.levelKeys[0] = true;
    bot.tick();
}

// Throws at orks until one dies, respawning if they win; then walks up to
// a living ork and stands until it strikes; then respawns.
void killAndRespawn(Bot& bot)
{
    Game& game = *&bot.game;
    const int aliveAtStart = game.orks->aliveCount > 0 ? game.orks->aliveCount : game.orks->count;
    while (!bot.outOfTime() && game.orks->aliveCount >= aliveAtStart) {
        bot.respawnIfDead();
        const int target = bot.orkInThrowingRange();
        if (target >= 0) {
            bot.throwAt(target);
        } else {
            const int ork = bot.nearestLivingOrk();
            if (ork < 0)
                break;
            bot.walkToward(game.orks->pos[ork]->x, game.orks->pos[ork]->y);
        }
        bot.tick();
    }
    const int deathsBefore = game.deaths;
    while (!bot.outOfTime() && !game.elf->dead) {
        const int ork = bot.nearestLivingOrk();
        if (ork < 0)
            break;
        if (game.orks->pos[ork]->distance(*game.elf->position) > 60.0)
            bot.walkToward(game.orks->pos[ork]->x, game.orks->pos[ork]->y);
        bot.tick();
    }
    bot.respawnIfDead();
    bot.wait(TailTicks);
    bot.run.reachedGoal = game.orks->aliveCount < aliveAtStart && game.deaths > deathsBefore && !game.elf->dead;
}

// Sneaks with the right button held along the path to the bag.
void stealthWalk(Bot& bot)
{
    Game& game = bot.game;
    while (!bot.outOfTime() && !game.elf->dead
           && game.elf->position->distance(*game.bagPosition) > BagReach) {
        bot.walkToward(game.bagPosition->x, game.bagPosition->y);
        bot.input.buttons |= RightButton;
        bot.tick();
    }
    bot.run.reachedGoal = !game.elf->dead && game.elf->position->distance(*game.bagPosition) <= BagReach;
    bot.wait(TailTicks);
}

// Fights its way to the bag and carries it out past the entrance.
void victory(Bot& bot)
{
    Game& game = bot.game;
    while (!bot.outOfTime() && !game.elf->dead && game.screens->state == Playing) {
        if (!game.elf->carryingBag) {
            const int target = bot.orkInThrowingRange();
            if (target >= 0)
                bot.throwAt(target);
            else
                bot.walkToward(game.bagPosition->x, game.bagPosition->y);
        } else {
            // The tile beyond the entrance point, so that both coordinates pass it.
            bot.walkToward(bot.entranceX() + TileSize / 2, bot.entranceY() + TileSize / 2);
        }
        bot.tick();
    }
    bot.run.reachedGoal = game.screens->state == Victory;
    bot.wait(TailTicks);
}
}

BotRun playScenario(Game& game, const std::string& scenario, int introTicks)
{
    Bot bot(game);
    startSmallLevel(bot, introTicks);
    if (scenario == BotScenarios[0])
        killAndRespawn(bot);
    else if (scenario == BotScenarios[1])
        stealthWalk(bot);
    else
        victory(bot);
    return bot.run;
}
