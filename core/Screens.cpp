#include "core/Screens.h"

#include "core/DataFiles.h"
#include "perception/View.h"
#include "world/FastSprite.h"

namespace {
constexpr int PanelMargin = 90;
constexpr int TextX = 110;
constexpr int BannerTopY = 7;
constexpr int BannerBottomY = 22;

const char* const BannerLevels =
    "[F1] : Small level     [F2] : Medium level     [F3] : Large level     [F4] : Huge level";
const char* const BannerRespawn = "[Spacebar Respawns]";

struct PanelLine {
    int y;
    const char* text;
};

// Trailing blanks are part of the game's text.
const PanelLine IntroLines[] = {
    {120, "Objective:"},
    {140, "Find the bag of toys and bring it back"},
    {160, "to the cave entrance where"},
    {180, "you started. Beware of orks. "},
    {240, "Controls:"},
    {260, "WASD: Movement"},
    {280, "Mouse: Aim"},
    {300, "Left button: Throw Dagger"},
    {320, "Right button: Stealth mode"},
    {380, "Levels:"},
    {400, "Escape :  Exits game"},
    {420, "F1 to F4 :  Small to Huge Level"},
    {440, "Spacebar: Respawn in same "},
    {460, "level after death"},
    {520, "Credits:"},
    {540, "Maker:  Brimlow"},
};
const PanelLine IntroClosing = {580, "Start game by pressing F1, F2, F3, or F4"};

const PanelLine VictoryLines[] = {
    {125, "Brightness streams through the mouth of the cave. Never had"},
    {173, "the blinding artic light filled you with "},
    {221, "such relief. Off in the distance you  "},
    {269, "still hear the confused and "},
    {317, "frightened cries of the few  "},
    {365, "surviving orks. For now  "},
    {413, "they are no more a concern  "},
    {461, "to you, as you carry your precious  "},
    {509, "cargo the last few feet to daylight and safty."},
};
const PanelLine VictoryClosing = {557, "Game over"};

int red() { return makecol(255, 0, 0); }
int black() { return makecol(0, 0, 0); }
int lightGrey() { return makecol(200, 200, 200); }

void drawIfLoaded(BITMAP* target, BITMAP* sprite, int x, int y)
{
    if (sprite)
        draw_sprite(target, sprite, x, y);
}

void drawPanelPicture(BITMAP* target, BITMAP* picture)
{
    if (picture)
        draw_sprite(target, picture, SCREEN_W - PanelMargin - picture->w, SCREEN_H / 2 - picture->h / 2);
}

template <int N>
void drawLines(BITMAP* target, const PanelLine (&lines)[N], const PanelLine& closing)
{
    for (const PanelLine& line : lines)
        textout_ex(target, font, line.text, TextX, line.y, lightGrey(), black());
    textout_centre_ex(target, font, closing.text, SCREEN_W / 2, closing.y, lightGrey(), black());
}
}

Screens::Screens() : state(Intro)
{
    hudStrip.reset(create_bitmap(SCREEN_W, StripHeight));
    deathBanner.reset(create_bitmap(SCREEN_W, StripHeight));
    BITMAP* banner = deathBanner.get();
    clear_to_color(banner, red());
    textout_centre_ex(banner, font, BannerLevels, SCREEN_W / 2, BannerTopY, black(), red());
    textout_centre_ex(banner, font, BannerRespawn, SCREEN_W / 2, BannerBottomY, black(), red());
}

void Screens::loadPictures(RGB* palette)
{
    headIcon.reset(loadPicture(DataFile::Head, palette));
    daggerIcon.reset(loadPicture(DataFile::Dagger, palette));
    graveIcon.reset(loadPicture(DataFile::Grave, palette));
    introPicture.reset(loadPicture(DataFile::Intro, palette));
    victoryPicture.reset(loadPicture(DataFile::Victory, palette));
}

void Screens::drawHud(int livingOrks, int orkCount, int daggersInHand, int daggerCount, int deaths, View& view)
{
    const int w = SCREEN_W;
    // Denominators stay positive for any count the game can reach.
    int headStep = w / (2 * orkCount + 2);
    int daggerStep = w / (4 * daggerCount + 2);
    int graveStep = w / (4 * deaths + 2);
    BITMAP* strip = hudStrip.get();
    clear_to_color(strip, red());
    for (int i = 0; i < livingOrks; ++i)
        drawIfLoaded(strip, headIcon.get(), i * headStep, 0);
    for (int i = 0; i < daggersInHand; ++i)
        drawIfLoaded(strip, daggerIcon.get(), w - i * daggerStep - daggerStep, 0);
    // The graves centre on five eighths of the width and close up as they grow.
    for (int i = 0; i < deaths; ++i)
        drawIfLoaded(strip, graveIcon.get(), w * 5 / 8 + (graveStep * deaths) / 2 - i * graveStep - graveStep, 0);
    drawSpriteFast(view.buffer, strip, 0, 0);
}

void Screens::drawPanel(View& view)
{
    if (state == Playing)
        return;
    BITMAP* target = view.buffer;
    rectfill(target, PanelMargin, PanelMargin, SCREEN_W - PanelMargin, SCREEN_H - PanelMargin, black());
    if (state == Intro) {
        drawPanelPicture(target, introPicture.get());
        drawLines(target, IntroLines, IntroClosing);
    } else if (state == Victory) {
        drawPanelPicture(target, victoryPicture.get());
        drawLines(target, VictoryLines, VictoryClosing);
    }
}
