#include <gtest/gtest.h>

#include <allegro.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "ReferenceFrame.h"
#include "core/Game.h"
#include "reliability/Soak.h"

// Twenty thousand ticks of random but plausible play, every invariant
// checked after every update and every fifth draw (drawing is most of a
// tick's cost); the play must reach the interesting parts to count. The
// game draws the fast way (row selects, cached tile quarters), so every
// twentieth frame is drawn again with plain sprites and must match it pixel
// for pixel; drawing twice from the same state gives the same fog.
TEST(Soak, TwentyThousandTicksKeepEveryInvariantAndDrawAsPlainSpritesDo)
{
    std::srand(1);
    std::unique_ptr<Game> game(new Game());
    BITMAP* fast = create_bitmap(SCREEN_W, SCREEN_H);
    int frames = 0;
    std::string firstWrong;
    const SoakReport report = runSoak(*game, 20000, 5, 1, [&] {
        if (frames++ % 20 != 0)
            return;
        blit(game->backBuffer.get(), fast, 0, 0, 0, 0, SCREEN_W, SCREEN_H);
        drawReferenceFrame(*game);
        for (int y = 0; y < SCREEN_H && firstWrong.empty(); ++y)
            if (std::memcmp(fast->line[y], game->backBuffer->line[y], SCREEN_W * 2) != 0)
                firstWrong = "frame " + std::to_string(frames) + " differs in row " + std::to_string(y);
    });
    destroy_bitmap(fast);
    EXPECT_EQ(report.problem, "");
    EXPECT_EQ(firstWrong, "");
    EXPECT_GT(report.orkKills, 0);
    EXPECT_GT(report.respawns, 0);
}
