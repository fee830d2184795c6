#include <gtest/gtest.h>

#include <memory>

#include "PathFinder.h"
#include "Pilot.h"

namespace {
// An all-rock grid with open tiles drawn in by hand.
std::unique_ptr<WalkGrid> rockGrid()
{
    return std::make_unique<WalkGrid>();
}

void open(WalkGrid& grid, int c0, int r0, int c1, int r1)
{
    for (int c = c0; c <= c1; ++c)
        for (int r = r0; r <= r1; ++r)
            grid.open[c][r] = true;
}

// A playing small level: floor over tiles 1..33, the elf alive at `elf`.
std::unique_ptr<Snapshot> openCave(Point elf)
{
    auto s = std::make_unique<Snapshot>();
    s->screenState = 0;
    s->gameExists = true;
    s->width = s->height = 20;
    for (int c = 1; c <= 33; ++c)
        for (int r = 1; r <= 33; ++r)
            s->tiles[c][r] = {0, -1, -1};
    s->elf = elf;
    s->dead = false;
    s->daggersInHand = 10;
    s->orkCount = 7;
    for (int i = 0; i < 7; ++i)
        s->orks[i].pos = s->orks[i].target = {64.0 + 64 * i, 64.0};  // far off, dead
    return s;
}
}

TEST(BotPaths, TurnsAroundARockCornerInsteadOfCuttingIt)
{
    auto grid = rockGrid();
    open(*grid, 1, 1, 5, 1);  // an L: east along row 1, then south down column 5
    open(*grid, 5, 1, 5, 5);
    std::vector<Cell> path = PathFinder().find(*grid, {1, 1}, {5, 5});
    ASSERT_EQ(path.size(), 9u);
    for (size_t k = 1; k < path.size(); ++k)
        EXPECT_EQ(std::abs(path[k].column - path[k - 1].column) + std::abs(path[k].row - path[k - 1].row), 1)
            << "step " << k << " is diagonal";
}

TEST(BotPaths, GoesDiagonallyInTheOpenAndAroundAnOrk)
{
    auto grid = rockGrid();
    open(*grid, 1, 1, 9, 9);
    EXPECT_EQ(PathFinder().find(*grid, {1, 1}, {9, 9}).size(), 9u);

    grid->penalty[5][5] = 1000;  // an ork in the middle of the diagonal
    for (const Cell& c : PathFinder().find(*grid, {1, 1}, {9, 9}))
        EXPECT_FALSE(c.column == 5 && c.row == 5);

    grid->open[9][9] = false;
    EXPECT_TRUE(PathFinder().find(*grid, {1, 1}, {9, 9}).empty());
}

TEST(BotPilot, StartsASmallLevelAndRespawnsOnlyOnceTheOrksHaveLeftTheBag)
{
    auto s = openCave({1792, 1792});
    s->screenState = 1;
    Pilot pilot;
    EXPECT_TRUE(pilot.decide(*s, 0).smallLevel);

    s->screenState = 0;
    s->dead = true;
    s->bag = {640, 640};
    s->orks[0] = {{700, 640}, {700, 640}, 2, 0, 0};
    EXPECT_FALSE(pilot.decide(*s, 1000).respawn);
    EXPECT_FALSE(pilot.decide(*s, 3000).respawn);
    EXPECT_TRUE(pilot.decide(*s, 7000).respawn);
}

TEST(BotPilot, RunsFromAnOrkWindingUpAStrike)
{
    auto s = openCave({1000, 1000});
    s->bag = {300, 300};
    s->orks[0] = {{1080, 1000}, {1000, 1000}, 2, 0, 15};  // east of the elf, arm raised
    Controls c = Pilot().decide(*s, 0);
    EXPECT_TRUE(c.left);
    EXPECT_FALSE(c.right);
}

TEST(BotPilot, DropsTheBagForOneThrowAtAnOrkThatChargesIt)
{
    auto s = openCave({1000, 1000});
    s->carryingBag = true;
    s->bag = s->elf;
    s->orks[0] = {{1000, 700}, {1000, 1000}, 2, 10, 0};  // due north, charging at the elf
    s->facing = 0.0;  // looking north (toward -y), straight at it
    Pilot pilot;

    Controls c = pilot.decide(*s, 0);
    EXPECT_TRUE(c.stealth) << "stealth drops the bag";
    EXPECT_FALSE(c.fire);
    EXPECT_LT(c.mouseY, 382) << "aims north";

    s->carryingBag = false;  // the game dropped it
    c = pilot.decide(*s, 70);
    EXPECT_TRUE(c.fire);
    EXPECT_FALSE(c.stealth) << "no stealth on the throwing tick";

    s->throwCooldown = 14;  // thrown
    s->carryingBag = true;
    c = pilot.decide(*s, 140);
    EXPECT_FALSE(c.fire);
    EXPECT_FALSE(c.stealth);
}

TEST(BotPilot, LeadsAChargingOrkButNotOneWindingUp)
{
    OrkView ork{{0, 0}, {0, 1000}, 2, 2, 0};
    EXPECT_DOUBLE_EQ(predictOrk(ork, 3).y, 2 * 24 + 6);  // two fast ticks, then a walk
    ork.attackTimer = 5;
    EXPECT_DOUBLE_EQ(predictOrk(ork, 3).y, 0);
}
