#include <gtest/gtest.h>

#include "support/ActorWorld.h"
#include "support/Headless.h"

namespace {
// Solid colours tell the frames apart; any pixel under a pivot shows the sprite drawn there.
const int Black = 0;
const int Print[3] = {headless::rgb16(255, 255, 0), headless::rgb16(0, 255, 255), headless::rgb16(0, 0, 255)};
const int Blood = headless::rgb16(255, 0, 0);
const int OrkFrame[3] = {headless::rgb16(0, 255, 0), headless::rgb16(255, 128, 0), headless::rgb16(128, 0, 255)};
const int Corpse = headless::rgb16(128, 128, 128);

class OrkDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        for (int k = 0; k < 3; ++k) {
            horde.footprintSprites[k] = sprite(34, 26, Print[k]);
            horde.orkSprites[k] = sprite(100, 110, OrkFrame[k]);
        }
        horde.bloodSprite = sprite(34, 26, Blood);
        horde.deadSprite = sprite(100, 110, Corpse);
        world.placeElf(1000, 1000);
        world.listenAt(1000, 1000);  // world (1000, 1000) is screen (400, 350)
        world.elf->update();         // facing 0: looks toward -y, eye point 60 px below
        world.placeOrk(0, 1000, 1000);
    }
    void TearDown() override
    {
        for (int k = 0; k < 3; ++k) {
            destroy_bitmap(horde.footprintSprites[k]);
            destroy_bitmap(horde.orkSprites[k]);
        }
        destroy_bitmap(horde.bloodSprite);
        destroy_bitmap(horde.deadSprite);
    }
    static BITMAP* sprite(int w, int h, int rgb)
    {
        return solidSprite(w, h, (rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255);
    }
    int pixelAtWorld(double x, double y)
    {
        return headless::rgbAt(world.buffer, static_cast<int>(x - 600), static_cast<int>(y - 650));
    }
    void clear() { clear_to_color(world.buffer, 0); }
    void putPrint(int j, double x, double y, int age)
    {
        horde.footprintPos[0][j]->x = x;
        horde.footprintPos[0][j]->y = y;
        horde.footprintAge[0][j] = age;
    }

    ActorWorld world;
    OrkHorde& horde = *world.horde;
};
}

TEST_F(OrkDrawing, FootprintAgesAndTheAttackTimerPickTheFrames)
{
    struct Case {
        int age;
        bool bloody;
        int colour;
    };
    const Case prints[] = {{91, false, Print[0]}, {90, false, Print[1]}, {61, false, Print[1]}, {60, false, Print[2]},
                           {31, false, Print[2]}, {30, false, Black},    {31, true, Blood},     {30, true, Black}};
    int foot = 0;
    for (const Case& c : prints) {
        foot = 1 + (foot + 1) % 2;  // both feet
        clear();
        putPrint(foot, 1000, 1000, c.age);
        horde.footprintBloody[0][foot] = c.bloody;
        horde.drawFootprint(*world.view, 0, foot);
        EXPECT_EQ(pixelAtWorld(1000, 1000), c.colour) << "age " << c.age << (c.bloody ? " bloody" : "");
    }

    const std::pair<int, int> ork[] = {{12, OrkFrame[1]}, {11, OrkFrame[2]}, {6, OrkFrame[2]}, {5, OrkFrame[0]}};
    for (auto [timer, colour] : ork) {
        clear();
        horde.attackTimer[0] = timer;
        horde.drawOrk(*world.view, 0);
        EXPECT_EQ(pixelAtWorld(1000, 1000), colour) << "attack timer " << timer;
    }
    BITMAP* frame = horde.orkSprites[0];
    horde.orkSprites[0] = nullptr;  // missing pictures are skipped
    horde.attackTimer[0] = 0;
    clear();
    horde.drawOrk(*world.view, 0);
    EXPECT_EQ(pixelAtWorld(1000, 1000), Black);
    horde.orkSprites[0] = frame;
}

TEST_F(OrkDrawing, TheElfSeesWhatIsAheadOrCloseBehindAndEveryCorpse)
{
    clear();
    putPrint(1, 1000, 1080, 100);  // 80 px behind
    putPrint(3, 1100, 1040, 100);  // 108 px behind and aside
    putPrint(5, 1000, 700, 100);   // ahead
    horde.drawFootprints(*world.view);
    EXPECT_EQ(pixelAtWorld(1000, 1080), Print[0]);
    EXPECT_EQ(pixelAtWorld(1100, 1040), Black);
    EXPECT_EQ(pixelAtWorld(1000, 700), Print[0]);

    struct Case {
        double y;
        int health;
        int colour;
    };
    for (Case c : {Case{1110, 2, OrkFrame[0]}, Case{1130, 2, Black}, Case{1300, 0, Corpse}}) {
        clear();
        world.placeOrk(0, 1000, c.y);
        horde.health[0] = c.health;
        horde.drawOrks(*world.view);
        EXPECT_EQ(pixelAtWorld(1000, c.y), c.colour) << "ork at y " << c.y;
    }
}
