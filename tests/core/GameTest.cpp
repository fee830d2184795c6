#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "core/DataFiles.h"
#include "core/Game.h"
#include "core/InputLatch.h"
#include "core/MouseInput.h"
#include "support/Headless.h"
#include "support/Point.h"
#include "support/ScratchDirectory.h"
#include "world/Entrance.h"

namespace {
constexpr int Origin = 1280;  // a multiple of 128: the ground's pictures start at screen (0, 0)
constexpr double EntranceXY = (20 + entrance::PointOffset) * TileMap::TileSize;  // the 20-tile level's

struct GameTest : testing::Test {
    GameTest() { headless::releaseInput(); }

    // A small level whose orks are dead and far away, so a scenario is about the elf alone.
    void startQuietSmallLevel()
    {
        game->startLevel(0);
        for (int i = 0; i < game->orks->count; ++i) {
            game->orks->health[i] = 0;
            game->orks->pos[i]->x = game->orks->pos[i]->y = 10;
        }
    }
    // A cave built by hand: open floor seen before, the screen's top-left
    // corner at world (Origin, Origin), one dead ork and the bag far away,
    // every dagger in hand and the elf alive.
    void buildOpenCave()
    {
        for (auto& column : game->tileMap->tiles)
            for (Tile& tile : column)
                tile = Tile{Floor, Seen, -1};
        game->view->origin->x = game->view->origin->y = Origin;
        game->orks->count = 1;
        game->orks->health[0] = 0;
        game->orks->pos[0]->x = game->bagPosition->x = 10;
        game->elf->dead = game->elf->carryingBag = false;
    }
    Tile& tileOnScreen(int column, int row) { return game->tileMap->tiles[Origin / 64 + column][Origin / 64 + row]; }
    static void putOnScreen(Vector& v, double x, double y) { v.copyFrom(::at(Origin + x, Origin + y)); }
    int at(int x, int y) const { return headless::rgbAt(game->backBuffer.get(), x, y); }
    bool ground(int x, int y) const { return at(x, y) == headless::rgbAt(game->tileMap->dirt.get(), x % 128, y % 128); }
    // Share of the box's pixels for which test(x, y) holds; rgb >= 0 tests for that colour, else for the ground.
    template <typename Test>
    static double share(int x0, int y0, int w, int h, Test test)
    {
        int held = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                held += test(x, y);
        return static_cast<double>(held) / (w * h);
    }
    double share(int rgb, int x0, int y0, int w, int h) const
    {
        return share(x0, y0, w, h, [&](int x, int y) { return rgb < 0 ? ground(x, y) : at(x, y) == rgb; });
    }
    // Share of the picture's box where the frame shows its opaque pixels, its top-left corner at (left, top).
    double shown(BITMAP* picture, int left, int top) const
    {
        return share(left, top, picture->w, picture->h, [&](int x, int y) {
            const int p = getpixel(picture, x - left, y - top);
            return p == maskColour() || at(x, y) == headless::rgbAt(picture, x - left, y - top);
        });
    }

    std::unique_ptr<Game> game{new Game()};
};
constexpr int Ground = -1, Black = 0;  // for share(): the ground's pictures, or black
}

TEST_F(GameTest, OpensOnAFrozenIntroThatTakesOneRandomNumberPerTickAndLevelKeysBuildTheirSizeInAnyState)
{
    std::srand(77);
    std::rand();
    const int second = std::rand();
    std::srand(77);
    key[KEY_W] = key[KEY_SPACE] = 1;
    mouse_x = 500;
    mouse_b = 3;
    game->update();
    EXPECT_EQ(std::rand(), second) << "a frozen panel tick draws exactly one";
    EXPECT_TRUE(game->elf->dead) << "Space does not start play";
    EXPECT_EQ(game->aimPoint->x, 0) << "the aim is frozen";

    headless::releaseInput();
    key[KEY_F1] = key[KEY_F4] = 1;
    game->update();
    EXPECT_EQ(game->tileMap->width, 75) << "the last key of a tick wins";
    key[KEY_F1] = key[KEY_F4] = 0;
    game->screens->state = Victory;
    game->deaths = 4;
    key[KEY_F2] = 1;
    game->update();
    EXPECT_EQ(game->screens->state, Playing);
    EXPECT_EQ(game->deaths, 0);
    const double bagX = game->bagPosition->x;
    game->update();
    EXPECT_EQ(game->tileMap->width, 40);
    EXPECT_NE(game->bagPosition->x, bagX) << "rebuilt on the next tick too";
}

// Allegro's input thread reports each press and release through these callbacks.
TEST_F(GameTest, APressReleasedBetweenTicksCountsAsHeldInTheNextTickOnlyInTheGameAndTheEditor)
{
    input::installLatch();
    input::latchTick();
    EXPECT_FALSE(input::buttonHeld(LeftButton) || input::held(KEY_F1)) << "nothing went down yet";
    const auto tap = [](int scancode) { keyboard_lowlevel_callback(scancode), keyboard_lowlevel_callback(scancode | 0x80); };
    tap(KEY_F1);
    game->update();
    EXPECT_EQ(game->tileMap->width, 20) << "the tap started a small level";
    keyboard_lowlevel_callback(KEY_F2);  // held through a tick, repeating, released before the next
    game->update();
    keyboard_lowlevel_callback(KEY_F2);
    keyboard_lowlevel_callback(KEY_F2 | 0x80);
    game->screens->state = Intro;
    game->update();
    EXPECT_EQ(game->screens->state, Intro) << "counted once, a held key follows its real state";

    ScratchDirectory scratch;  // no maps folder: the save fails, and the editor says so
    game->editorMode = true;
    tap(KEY_O);
    game->editSegments();
    game->draw();
    EXPECT_GT(share(headless::rgb16(255, 255, 255), 0, 676, 800, 8), 0) << "the notice of a tapped O";
}

TEST_F(GameTest, BagIsTakenCloserThanFortyNotWhileSneakingAndWinsOnlyStrictlyBeyondTheEntrance)
{
    startQuietSmallLevel();
    Vector& elfAt = *game->elf->position;
    elfAt.x = elfAt.y = EntranceXY + 30;
    // Beyond the entrance: the bag's pick-up alone decides the victory.
    for (auto [distance, buttons, taken] : {std::tuple{40.0, 0, false}, {39.9, 2, false}, {39.9, 0, true}}) {
        game->bagPosition->copyFrom(::at(elfAt.x + distance, elfAt.y));
        mouse_b = buttons;
        game->update();
        EXPECT_EQ(game->screens->state, taken ? Victory : Playing) << distance << " px, buttons " << buttons;
    }
    for (auto [dx, dy, state] : {std::tuple{0, 0, Playing}, {1, 0, Playing}, {0, 1, Playing}, {1, 1, Victory}}) {
        game->screens->state = Playing;
        elfAt.copyFrom(::at(EntranceXY + dx, EntranceXY + dy));
        game->bagPosition->copyFrom(elfAt);
        game->update();
        EXPECT_EQ(game->screens->state, state) << dx << ", " << dy;
    }
}

// Below the intro panel: the bag's picture is centred on its point, and
// while carried it shows only in the elf's own.
TEST_F(GameTest, TheBagLiesCentredOnItsPointUnlessTheElfCarriesIt)
{
    buildOpenCave();
    putOnScreen(*game->bagPosition, 560, 660);
    game->draw();
    EXPECT_EQ(shown(game->bagSprite.get(), 528, 628), 1.0);
    game->elf->carryingBag = true;
    game->draw();
    EXPECT_EQ(share(Ground, 528, 628, 64, 64), 1.0);
}

// The pictures no other scenario draws from their own file: terrain, litter
// and the thrown dagger.
TEST_F(GameTest, TheTerrainLitterAndDaggerPicturesAreTheirListedFiles)
{
    const TileMap& map = *game->tileMap;
    std::vector<std::pair<BITMAP*, DataFile>> slots = {{map.water.get(), DataFile::Water}, {map.rock.get(), DataFile::Rock},
                                                       {map.waterFade.get(), DataFile::WaterFade},
                                                       {map.rockFade.get(), DataFile::RockFade},
                                                       {game->elf->daggers->sprite, DataFile::Dagger}};
    for (int kind = 0; kind < 6; ++kind)
        slots.push_back({game->debrisTable->debrisSprites[kind].get(), nthDataFile(DataFile::Debris0, kind)});
    for (auto [slot, file] : slots) {
        BITMAP* listed = loadPicture(file, nullptr);
        bool same = slot && slot->w == listed->w && slot->h == listed->h;
        for (int i = 0; same && i < listed->w * listed->h; ++i)
            same = getpixel(slot, i % listed->w, i / listed->w) == getpixel(listed, i % listed->w, i / listed->w);
        EXPECT_TRUE(same) << dataPath(file);
        destroy_bitmap(listed);
    }
}

// The elf aims straight up from the middle of an open cave: what it sees is
// clear, what it saw before lies under the half fog and the rest under the
// full fog. Noise rings show on their circles inside the octagonal window.
TEST_F(GameTest, FogFollowsSightAndNoiseRingsShowOnlyInsideTheirWindow)
{
    buildOpenCave();
    game->screens->state = Playing;
    for (int column = 10; column < 13; ++column)
        for (int row = 3; row < 8; ++row)
            tileOnScreen(column, row).visibility = Unseen;
    putOnScreen(*game->elf->position, 400, 350);
    mouse_x = 432;
    mouse_y = 40;  // the crosshair hides under the HUD
    game->update();
    game->draw();
    const auto fogDark = [&](int x, int y) { return (at(x, y) & 0xe0e0e0) == 0; };
    EXPECT_EQ(share(Ground, 384, 64, 64, 64), 1.0) << "in sight";
    const auto halfFogged = [&](int x, int y) { return (x + y) % 2 ? fogDark(x, y) : ground(x, y); };
    EXPECT_EQ(share(80, 336, 32, 32, halfFogged), 1.0) << "seen before: every other pixel fogged";
    EXPECT_EQ(share(720, 336, 32, 32, fogDark), 1.0) << "never seen";

    SoundBoard& sound = *game->sound;
    const int cornerX[4] = {225, 575, 225, 575}, cornerY[4] = {175, 175, 525, 525};  // the 350-px window's corners
    for (int radius : {100, 80}) {  // the second frame must not keep the first one's rings
        for (int k = 0; k < 5; ++k) {  // the fifth, of level 3, too faint to draw
            putOnScreen(*sound.ringCenter[k], k < 4 ? cornerX[k] : 400, k < 4 ? cornerY[k] : 300);
            sound.ringRadius[k] = radius;
            sound.ringLevel[k] = k < 4 ? 4 : 3;
        }
        game->draw();
        const auto wrong = [&](int x, int y) {
            // Off the nearest circle, and into the window past its cut corners (105 px deep).
            double off = 2.0;
            int depth = x >= 225 && x < 575 && y >= 175 && y < 525 ? 175 : -100;
            for (int k = 0; k < 4; ++k) {
                off = std::min(off, std::abs(std::hypot(x - cornerX[k], y - cornerY[k]) - radius));
                depth = std::min(depth, std::abs(x - cornerX[k]) + std::abs(y - cornerY[k]) - 105);
            }
            const bool ring = at(x, y) == headless::rgb16(240, 200, 200);
            return ring ? off > 1.5 || depth < -2 : off < 0.25 && depth > 3;
        };
        EXPECT_EQ(share(0, 0, 800, 700, wrong), 0.0) << "rings off their circles or outside the window, radius " << radius;
    }
}

// Heads from the left, a step of 800 / (2 x orks + 2) apart; daggers from the
// right, 19 px apart; graves centred on 500, closing up as they grow. Each
// frame shows nothing of the one before.
TEST_F(GameTest, TheHudShowsExactlyTheLivingOrksDaggersInHandAndDeathsEachAtItsPlace)
{
    buildOpenCave();
    game->aimPoint->x = game->aimPoint->y = 300;
    BITMAP* expected = create_bitmap(800, 32);
    for (auto [alive, count, headStep, inHand, deaths, graves] :
         {std::tuple{49, 49, 8, 10, 1, std::vector<int>{433}}, {2, 7, 50, 3, 3, {528, 471, 414}},
          {24, 25, 15, 1, 2, {500, 420}}, {0, 7, 50, 0, 0, {}}}) {
        game->orks->count = count;
        game->orks->aliveCount = alive;
        game->elf->daggers->inHandCount = inHand;
        game->deaths = deaths;
        game->draw();
        clear_to_color(expected, makecol(255, 0, 0));
        for (int i = 0; i < alive; ++i)
            draw_sprite(expected, game->screens->headIcon.get(), i * headStep, 0);
        for (int i = 0; i < inHand; ++i)
            draw_sprite(expected, game->screens->daggerIcon.get(), 781 - 19 * i, 0);
        for (int x : graves)
            draw_sprite(expected, game->screens->graveIcon.get(), x, 0);
        EXPECT_EQ(share(0, 0, 800, 32, [&](int x, int y) { return at(x, y) == headless::rgbAt(expected, x, y); }), 1.0)
            << alive << " of " << count << " orks, " << inHand << " daggers, " << deaths << " deaths";
        EXPECT_EQ(share(headless::rgb16(255, 0, 0), 0, 32, 800, 1), 0.0) << "the strip is 32 px tall";
    }
    destroy_bitmap(expected);
}

// The level keys on the banner's first line, "[Spacebar Respawns]" (19
// letters of 8 px) centred on its second, black on red.
TEST_F(GameTest, TheDeadSeeTheBannerOfLevelKeysAndRespawn)
{
    startQuietSmallLevel();
    game->elf->dead = true;
    game->aimPoint->x = game->aimPoint->y = 300;
    game->draw();
    EXPECT_EQ(share(headless::rgb16(255, 0, 0), 0, 0, 800, 7), 1.0);
    EXPECT_GT(share(Black, 0, 7, 800, 8), 0.05) << "the level keys";
    EXPECT_GT(share(Black, 324, 22, 152, 8), 0.2) << "the respawn line";
    EXPECT_EQ(share(Black, 0, 22, 324, 10) + share(Black, 476, 22, 324, 10), 0.0);
}

// The panel covers (90, 90) to (710, 610), its picture at the right.
TEST_F(GameTest, IntroAndVictoryPanelsCoverTheMiddleWithTheirPictureAndText)
{
    for (int state : {Intro, Victory}) {
        game->screens->state = state;
        game->draw();
        BITMAP* picture = state == Intro ? game->screens->introPicture.get() : game->screens->victoryPicture.get();
        EXPECT_EQ(shown(picture, 710 - picture->w, 350 - picture->h / 2), 1.0) << state;
        EXPECT_GT(share(headless::rgb16(200, 200, 200), 370, state == Intro ? 580 : 557, 60, 8), 0.0) << "closing line";
        EXPECT_GT(share(headless::rgb16(200, 200, 200), 110, 120, 8, 60), 0.0) << "the first lines' first letters";
        EXPECT_EQ(at(90, 90) + at(710, 610), 0);
        EXPECT_TRUE(at(89, 300) && at(711, 300) && at(300, 611));
    }
}
