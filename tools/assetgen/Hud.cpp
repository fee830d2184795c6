// Icons for the red HUD strip: an ork head for every living ork and a grave
// for every respawn. Seen from the front, unlike the world, so that they
// read at a glance; dark contours keep them apart from the red.
#include "Families.h"
#include "Palette.h"

namespace {

constexpr int HeadWidth = 28, HeadHeight = 28;
constexpr int GraveWidth = 24, GraveHeight = 30;
constexpr float Grain = 0.08f;

void writeHead(const std::string& path)
{
    Image image(HeadWidth, HeadHeight);
    Placement at{14.0f, 15.0f, 1.0f, 0.0f};
    layPart(image, at, matte(palette::OrkSkinDark, 2.0f, Grain, 401), [](Sculpt& s) {
        s.polygon({{-8, -4}, {-14, -9}, {-9, 1}});
        s.polygon({{8, -4}, {14, -9}, {9, 1}});
    });
    layPart(image, at, matte(palette::OrkSkin, 4.0f, Grain, 402), [](Sculpt& s) {
        s.ellipse(0, -1, 9, 10);
        s.ellipse(0, 6, 10, 6);
    });
    layPart(image, at, matte(rgb(30, 28, 24), 1.0f, Grain, 403), [](Sculpt& s) {
        s.polygon({{-2, -12}, {2, -12}, {1.5f, -7}, {-1.5f, -7}});
        s.polygon({{-8, -4}, {-1, -2}, {-1, -1}, {-8, -2}});
        s.polygon({{8, -4}, {1, -2}, {1, -1}, {8, -2}});
        s.ellipse(0, 7, 6, 2);
    });
    Material eyes = matte(rgb(255, 220, 60), 0.5f, Grain, 404);
    eyes.glow = 1.0f;
    eyes.ink = 0.0f;
    layPart(image, at, eyes, [](Sculpt& s) {
        s.circle(-4, 1, 1.4f);
        s.circle(4, 1, 1.4f);
    });
    layPart(image, at, matte(palette::Tusk, 1.0f, Grain, 405), [](Sculpt& s) {
        s.polygon({{-5, 7}, {-3, 7}, {-4, 2}});
        s.polygon({{5, 7}, {3, 7}, {4, 2}});
    });
    writeSprite(image, path);
}

void writeGrave(const std::string& path)
{
    Image image(GraveWidth, GraveHeight);
    Placement at{12.0f, 15.0f, 1.0f, 0.0f};
    layPart(image, at, matte(rgb(88, 64, 44), 3.0f, Grain, 406), [](Sculpt& s) { s.ellipse(0, 11, 11, 3.5f); });
    Material stone = matte(rgb(150, 156, 168), 3.0f, Grain, 407);
    stone.grain = 0.14f;
    layPart(image, at, stone, [](Sculpt& s) {
        s.polygon({{-8, 11}, {-8, -6}, {8, -6}, {8, 11}});
        s.ellipse(0, -6, 8, 7);
    });
    layPart(image, at, matte(rgb(60, 62, 72), 0.5f, Grain, 408), [](Sculpt& s) {
        s.capsule(0, -9, 0, 4, 1.0f, 1.0f);
        s.capsule(-4, -5, 4, -5, 1.0f, 1.0f);
    });
    writeSprite(image, path);
}

}

void makeHud(const std::string& game)
{
    writeHead(dataFileIn(game, DataFile::Head));
    writeGrave(dataFileIn(game, DataFile::Grave));
}
