// The game draws its frames the fast way (run-length sprites, cached tile
// quarters); every frame must still be pixel for pixel the frame that plain
// draw_sprite calls give.
#include <gtest/gtest.h>

#include <allegro.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ReferenceFrame.h"
#include "core/Game.h"
#include "support/Headless.h"
#include "support/WanderingElf.h"

namespace {

class FastDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        headless::releaseInput();
        game.reset(new Game());
        reference = create_bitmap(SCREEN_W, SCREEN_H);
    }
    void TearDown() override
    {
        destroy_bitmap(reference);
        headless::releaseInput();
    }

    // Draws the frame both ways from the same state and counts the pixels
    // that differ; the first differing frame is saved for a person to see.
    void compareFrame(const char* scene)
    {
        TileMap& map = *game->tileMap;
        const std::vector<Tile> fogState(&map.tiles[0][0], &map.tiles[0][0] + TileMap::GridSize * TileMap::GridSize);
        const Tile outside = *map.outsideTile;
        drawReferenceFrame(*game);
        blit(game->backBuffer, reference, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
        std::copy(fogState.begin(), fogState.end(), &map.tiles[0][0]);
        *map.outsideTile = outside;

        game->draw();
        ++frames;
        const int wrong = differingPixels(game->backBuffer, reference);
        if (wrong > 0 && wrongFrames++ == 0) {
            firstWrong = std::string(scene) + " frame " + std::to_string(frames) + ": " + std::to_string(wrong) +
                " pixels differ (saved as build/fast-frame.png and build/reference-frame.png)";
            headless::savePng(game->backBuffer, "../fast-frame.png");
            headless::savePng(reference, "../reference-frame.png");
        }
    }

    static int differingPixels(BITMAP* a, BITMAP* b)
    {
        int count = 0;
        for (int y = 0; y < a->h; ++y) {
            const uint16_t* rowA = reinterpret_cast<const uint16_t*>(a->line[y]);
            const uint16_t* rowB = reinterpret_cast<const uint16_t*>(b->line[y]);
            if (std::memcmp(rowA, rowB, a->w * sizeof(uint16_t)) == 0)
                continue;
            for (int x = 0; x < a->w; ++x)
                count += rowA[x] != rowB[x];
        }
        return count;
    }

    void tickWith(int heldKey)
    {
        key[heldKey] = 1;
        game->update();
        key[heldKey] = 0;
    }
    // Sounds on four sides of the elf, so that rings sweep every part of the window.
    void makeNoisesAround()
    {
        const double offsets[][2] = {{-260, -240}, {280, -200}, {-220, 260}, {250, 230}, {0, 0}};
        for (const auto& offset : offsets) {
            Vector at;
            at.x = game->elf->position->x + offset[0];
            at.y = game->elf->position->y + offset[1];
            game->sound->playAt(at, 700, 0);
        }
    }
    void play(int ticks, const char* scene)
    {
        for (int t = 0; t < ticks; ++t) {
            player.steer(*game);
            game->update();
            compareFrame(scene);
        }
        headless::releaseInput();
    }

    std::unique_ptr<Game> game;
    BITMAP* reference = nullptr;
    WanderingElf player{7};
    int frames = 0;
    int wrongFrames = 0;
    std::string firstWrong;
};

}

TEST_F(FastDrawing, FramesOfPlayOverEveryLevelSizeMatchPlainSprites)
{
    ASSERT_EQ(bitmap_color_depth(game->backBuffer), 16);
    player.throwEvery = 20;
    player.sneakEvery = 40;
    for (int t = 0; t < 4; ++t) {
        game->update();
        compareFrame("intro");
    }
    const int levelKeys[] = {KEY_F1, KEY_F3, KEY_F4, KEY_F2};
    for (int levelKey : levelKeys) {
        tickWith(levelKey);
        compareFrame("level start");
        play(50, "play");
        makeNoisesAround();
        play(20, "noise rings");
        // Dead: the banner over the HUD, the elf under the fog, no rings.
        game->elf->dead = true;
        compareFrame("dead");
        play(10, "respawn");
    }
    game->screens->state = Victory;
    for (int t = 0; t < 3; ++t) {
        game->update();
        compareFrame("victory");
    }
    EXPECT_GE(frames, 300);
    EXPECT_EQ(wrongFrames, 0) << firstWrong;
}
