#include <gtest/gtest.h>

#include <vector>

#include "support/ActorWorld.h"
#include "support/Headless.h"

TEST(Elf, SpeedDependsOnModeAndOnDiagonalSteps)
{
    struct Case {
        bool up, down, left, right, stealth, bag;
        double dx, dy;
    };
    const Case cases[] = {
        {true, false, false, true, false, false, 14, -14}, {true, true, false, true, false, false, 14, 0},
        {true, false, false, false, true, false, 0, -6},   {true, false, false, true, true, false, 4, -4},
        {false, false, true, false, false, true, -16, 0},  {false, true, true, false, false, true, -12, 12},
    };
    ActorWorld world;
    Elf& elf = *world.elf;
    for (const Case& c : cases) {
        world.placeElf(1000, 1000);
        elf.moveUp = c.up;
        elf.moveDown = c.down;
        elf.moveLeft = c.left;
        elf.moveRight = c.right;
        elf.stealthHeld = c.stealth;
        elf.carryingBag = c.bag;
        elf.update();
        EXPECT_DOUBLE_EQ(elf.position->x, 1000 + c.dx) << "case " << (&c - cases);
        EXPECT_DOUBLE_EQ(elf.position->y, 1000 + c.dy) << "case " << (&c - cases);
    }
}

TEST(Elf, ProbesInRockPushTheElfBack)
{
    ActorWorld world;
    Elf& elf = *world.elf;
    world.setRock(15, 15);  // y 960 to 1023 right above the elf's probes
    world.placeElf(1000, 1034);
    elf.update();
    EXPECT_DOUBLE_EQ(elf.position->x, 1000);
    EXPECT_DOUBLE_EQ(elf.position->y, 1054);

    world.map->tiles[15][15].kind = Floor;
    world.setRock(16, 14);  // a corner that only the north-east probe reaches
    world.placeElf(1010, 970);
    elf.update();
    EXPECT_DOUBLE_EQ(elf.position->x, 990);
    EXPECT_DOUBLE_EQ(elf.position->y, 990);
}

TEST(Elf, AHeldFireButtonThrowsOncePerFifteenTicksAndTheSpriteFollowsTheCooldown)
{
    ActorWorld world;
    Elf& elf = *world.elf;
    const int colours[6][3] = {{0, 255, 0}, {255, 0, 0}, {0, 0, 255}, {255, 255, 0}, {0, 255, 255}, {128, 128, 128}};
    BITMAP* sprites[6];
    for (int k = 0; k < 6; ++k)
        sprites[k] = solidSprite(100, 130, colours[k][0], colours[k][1], colours[k][2]);
    std::copy(sprites, sprites + 3, elf.frames);
    elf.stealthSprite = sprites[3];
    elf.bagSprite = sprites[4];
    elf.deadSprite = sprites[5];
    auto drawn = [&] {
        clear_to_color(world.buffer, 0);
        elf.draw(*world.view);
        return headless::rgbAt(world.buffer, 400, 350);
    };
    auto colour = [&](int k) { return headless::rgb16(colours[k][0], colours[k][1], colours[k][2]); };

    elf.carryingBag = false;
    elf.fireHeld = true;
    std::vector<int> throwTicks;
    int inHand = DaggerSet::DaggerCount;
    for (int t = 1; t <= 200; ++t) {
        elf.update();
        if (elf.daggers->inHandCount < inHand)
            throwTicks.push_back(t);
        inHand = elf.daggers->inHandCount;
    }
    std::vector<int> expected;
    for (int k = 0; k < 10; ++k)
        expected.push_back(1 + 15 * k);
    EXPECT_EQ(throwTicks, expected);
    world.listenAt(3000, 3000);
    EXPECT_EQ(drawn(), colour(2)) << "an empty hand shows frame 2";

    elf.daggers->inHandCount = 9;
    const std::pair<int, int> byCooldown[] = {{13, 1}, {12, 2}, {6, 2}, {5, 0}};
    for (auto [cooldown, frame] : byCooldown) {
        elf.throwCooldown = cooldown;
        EXPECT_EQ(drawn(), colour(frame)) << "cooldown " << cooldown;
    }
    elf.stealthHeld = true;
    EXPECT_EQ(drawn(), colour(3));
    elf.carryingBag = true;
    EXPECT_EQ(drawn(), colour(4));
    elf.dead = true;
    EXPECT_EQ(drawn(), colour(5));
    for (BITMAP* sprite : sprites)
        destroy_bitmap(sprite);
}

TEST(Elf, PicksUpLyingDaggersWithinReachButNeverFlyingOnes)
{
    ActorWorld world;
    Elf& elf = *world.elf;
    DaggerSet& set = *elf.daggers;
    world.placeElf(1000, 1000);
    const double spots[3][2] = {{1044.9, 1000}, {1045.0, 1000}, {1000, 1025}};
    for (int i = 0; i < 3; ++i) {
        set.state[i] = i < 2 ? Lying : Flying;
        set.position[i]->x = spots[i][0];
        set.position[i]->y = spots[i][1];
        set.life[i] = 5;
    }
    elf.update();
    EXPECT_EQ(set.state[0], InHand);
    EXPECT_EQ(set.state[1], Lying);
    EXPECT_EQ(set.state[2], Flying);
    EXPECT_DOUBLE_EQ(set.position[2]->y, 975) << "it flew within reach and was not caught";
}
