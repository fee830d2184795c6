#include <gtest/gtest.h>

#include "support/ActorWorld.h"
#include "support/Headless.h"

TEST(SegmentEditor, PaintsUnderTheAimRefusesWaterBesideRockScrolls)
{
    ActorWorld world;
    TileMap& map = *world.map;
    headless::releaseInput();
    world.view->origin->x = world.view->origin->y = 0;
    auto step = [&](int column, int row, int buttons, int heldKey) {
        mouse_x = column * 64 + 32 + 32;  // the aim sits 32 px up and left of the mouse
        mouse_y = row * 64 + 32 + 32;
        mouse_b = buttons;
        key[heldKey] = 1;
        world.game->editSegments();
        headless::releaseInput();
    };
    step(5, 5, 1, 0);
    EXPECT_EQ(map.tiles[5][5].kind, Water);
    step(6, 6, 2, 0);
    EXPECT_EQ(map.tiles[6][6].kind, Rock);
    EXPECT_EQ(map.tiles[5][5].kind, Floor) << "new rock dries the water beside it";
    step(5, 5, 1, 0);
    EXPECT_EQ(map.tiles[5][5].kind, Floor) << "water beside rock is refused";
    step(6, 6, 0, KEY_SPACE);
    EXPECT_EQ(map.tiles[6][6].kind, Floor);

    step(0, 0, 0, KEY_D);
    step(0, 0, 0, KEY_S);
    step(0, 0, 0, KEY_S);
    EXPECT_EQ(world.view->origin->x, 36);
    EXPECT_EQ(world.view->origin->y, 72);
}
