// The ork in its three frames and as a corpse, and the prints it leaves.
// Art coordinates: the ork's body centre at the origin, facing up (-y).
#include "Families.h"
#include "Noise.h"
#include "Palette.h"

#include <cmath>

namespace {

constexpr int OrkWidth = 100, OrkHeight = 132;
constexpr int PrintWidth = 34, PrintHeight = 26;
constexpr float Grain = 0.05f;     // of the small parts: blade, teeth, eyes, prints
constexpr uint32_t SmallPartSeed = 1;  // the small parts share one mottling

Material skin(bool angry)
{
    Material m = matte(angry ? mix(palette::OrkSkin, palette::Warning, 0.6f) : palette::OrkSkin, 5.0f, 0.16f, 101);
    m.grainCell = 4.0f;
    return m;
}

Material leather()
{
    Material m = matte(palette::OrkLeather, 2.0f, 0.12f, 102);
    m.grainCell = 2.0f;
    return m;
}

Material iron(float lift = 1.5f)
{
    Material m = matte(palette::Iron, 2.5f, 0.1f, 103);
    m.shine = 0.6f;
    m.lift = lift;
    return m;
}

// A crude cleaver: wooden haft from the grip toward the tip, broad notched
// iron blade on the outer end.
void paintCleaver(Image& image, Placement at, Point grip, Point tip, float lift)
{
    float dx = tip.x - grip.x, dy = tip.y - grip.y, len = std::hypot(dx, dy);
    float ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
    Material haft = matte(palette::Wood, 1.5f, Grain, SmallPartSeed);
    haft.lift = lift;
    layPart(image, at, haft, [&](Sculpt& s) {
        s.capsule(grip.x - ux * 4, grip.y - uy * 4, grip.x + ux * len * 0.5f, grip.y + uy * len * 0.5f, 2.2f, 2.2f);
    });
    auto along = [&](float t, float side) {
        return Point{grip.x + ux * len * t + nx * side, grip.y + uy * len * t + ny * side};
    };
    layPart(image, at, iron(lift), [&](Sculpt& s) {
        s.polygon({along(0.38f, -3.0f), along(0.38f, 9.0f), along(0.8f, 11.0f), along(1.0f, 8.0f),
                   along(1.0f, -3.0f), along(0.7f, -4.0f)});
        s.carve(true);
        s.circle(along(0.86f, 5.0f).x, along(0.86f, 5.0f).y, 1.6f);
    });
    layPart(image, at, matte(rgb(226, 228, 232), 0.5f, Grain, SmallPartSeed), [&](Sculpt& s) {
        s.capsule(along(0.46f, 9.6f).x, along(0.46f, 9.6f).y, along(0.97f, 8.8f).x, along(0.97f, 8.8f).y, 0.8f, 0.8f);
    });
}

void paintTorso(Image& image, Placement at, bool angry)
{
    layPart(image, at, skin(angry), [](Sculpt& s) {
        s.ellipse(0, 3, 24, 16);
        s.ellipse(0, 11, 17, 11);
    });
    layPart(image, at, leather(), [](Sculpt& s) {
        s.capsule(-17, -5, 13, 15, 2.6f, 2.6f);
        s.capsule(17, -5, -13, 15, 2.6f, 2.6f);
    });
    layPart(image, at, iron(), [](Sculpt& s) {
        s.circle(0, 6, 3.2f);
        s.circle(-20, -1, 7.5f);
        s.circle(20, -1, 7.5f);
    });
    layPart(image, at, matte(palette::IronDark, 1.0f, Grain, SmallPartSeed), [](Sculpt& s) {
        s.polygon({{-22, -4}, {-31, -3}, {-22, 2}});
        s.polygon({{22, -4}, {31, -3}, {22, 2}});
    });
}

void paintArm(Image& image, Placement at, Point shoulder, Point hand, bool angry)
{
    layPart(image, at, skin(angry), [&](Sculpt& s) {
        float ex = (shoulder.x + hand.x) / 2 + (shoulder.x > 0 ? 4.0f : -4.0f), ey = (shoulder.y + hand.y) / 2;
        s.capsule(shoulder.x, shoulder.y, ex, ey, 6.5f, 5.5f);
        s.capsule(ex, ey, hand.x, hand.y, 5.5f, 4.5f);
    });
    Material fist = skin(angry);
    fist.base = scale(fist.base, 0.85f);
    layPart(image, at, fist, [&](Sculpt& s) { s.circle(hand.x, hand.y, 5.5f); });
}

void paintHead(Image& image, Placement at, bool angry, float turn = 0.0f)
{
    Placement head = at.moved(0, -9);
    head.turn += turn;
    Material ear = skin(angry);
    ear.base = scale(ear.base, 0.9f);
    layPart(image, head, ear, [](Sculpt& s) {
        s.polygon({{-9, -4}, {-22, 2}, {-8, 4}});
        s.polygon({{9, -4}, {22, 2}, {8, 4}});
    });
    layPart(image, head, skin(angry), [](Sculpt& s) {
        s.ellipse(0, 0, 11, 12);
        s.ellipse(0, -9, 8, 5);
    });
    layPart(image, head, matte(rgb(30, 28, 24), 2.0f, Grain, SmallPartSeed), [](Sculpt& s) { s.capsule(0, -2, 0, 13, 1.6f, 2.4f); });
    layPart(image, head, matte(palette::Tusk, 1.0f, Grain, SmallPartSeed), [](Sculpt& s) {
        s.polygon({{-6, -13}, {-3, -13}, {-5, -19}});
        s.polygon({{6, -13}, {3, -13}, {5, -19}});
    });
    Material eyes = matte(angry ? rgb(255, 236, 110) : palette::EyeRed, 0.5f, Grain, SmallPartSeed);
    eyes.glow = 0.8f;
    eyes.shadow = 0.0f;
    eyes.ink = 0.0f;
    layPart(image, head, eyes, [](Sculpt& s) {
        s.circle(-4, -10.5f, 1.6f);
        s.circle(4, -10.5f, 1.6f);
    });
}


void paintWalk(Image& image, Placement at)
{
    paintTorso(image, at, false);
    paintArm(image, at, {-21, -3}, {-17, -24}, false);
    paintArm(image, at, {21, -3}, {19, -26}, false);
    paintCleaver(image, at, {19, -26}, {27, -72}, 2.0f);
    paintHead(image, at, false);
}

void paintWindUp(Image& image, Placement at)
{
    paintTorso(image, at, true);
    paintHead(image, at, true);
    paintArm(image, at, {-22, -4}, {-4, -28}, true);
    paintArm(image, at, {22, -4}, {8, -30}, true);
    // Raised over the head: nearer the eye, so larger, and casting far.
    Placement raised = at;
    raised.size *= 1.2f;
    paintCleaver(image, raised, {2, -24}, {26, 22}, 6.0f);
}

void paintStrike(Image& image, Placement at)
{
    paintTorso(image, at, false);
    paintArm(image, at, {-22, -4}, {-6, -40}, false);
    paintArm(image, at, {22, -4}, {6, -42}, false);
    paintCleaver(image, at, {2, -42}, {-4, -96}, 2.0f);
    for (int i = 0; i < 6; ++i) {
        float a0 = 0.35f + i * 0.16f, a1 = a0 + 0.16f;
        streak(image, at, {std::cos(a0) * 62.0f - 10, -std::sin(a0) * 62.0f - 30},
               {std::cos(a1) * 62.0f - 10, -std::sin(a1) * 62.0f - 30}, 2.5f + i * 0.4f, rgb(236, 236, 226));
    }
    paintHead(image, at, false);
}

void paintDeadOrk(Image& image, Placement at)
{
    paintBloodPool(image, at, {{-4, 6}, 30, 22, 0.3f, 9, 24, 38, 1.5f, 4.0f, Grain, SmallPartSeed, 104});
    paintCleaver(image, at, {30, -24}, {40, -66}, 1.0f);
    Placement body = at;
    body.turn += 0.4f;
    paintArm(image, body, {-21, -3}, {-40, 6}, false);
    paintArm(image, body, {21, -3}, {28, -30}, false);
    paintTorso(image, body, false);
    paintHead(image, body.moved(-3, 0), false, -0.7f);
}

}

void paintOrk(Image& image, Placement at, OrkPose pose)
{
    switch (pose) {
    case OrkPose::Walk: paintWalk(image, at); break;
    case OrkPose::WindUp: paintWindUp(image, at); break;
    case OrkPose::Strike: paintStrike(image, at); break;
    case OrkPose::Dead: paintDeadOrk(image, at); break;
    }
}

namespace {

void writeOrk(const std::string& game, DataFile file, OrkPose pose)
{
    Image image(OrkWidth, OrkHeight);
    paintOrk(image, atPivot(file), pose);
    writeSprite(image, dataFileIn(game, file));
}

// A three-clawed print pointing left, a little below the pivot: the game
// flips every other print upside down, which puts it on the other side.
void writePrint(const std::string& game, DataFile file, Color c, float density)
{
    Image image(PrintWidth, PrintHeight);
    Placement at = atPivot(file).moved(0.0f, 4.0f);
    Material m = matte(c, 2.0f, Grain, SmallPartSeed);
    m.grain = 0.15f;
    m.shadow = 0.0f;
    layPart(image, at, m, [](Sculpt& s) {
        s.ellipse(4, 0, 7.5f, 5.5f);
        s.circle(-6, -5, 2.6f);
        s.circle(-8, 0, 2.8f);
        s.circle(-6, 5, 2.6f);
        s.polygon({{-9, -6}, {-13, -7}, {-10, -4}});
        s.polygon({{-11, -1}, {-15, 0}, {-11, 1}});
        s.polygon({{-9, 6}, {-13, 7}, {-10, 4}});
    });
    for (float& a : image.alpha)
        a *= density;
    writePicture(image, dataFileIn(game, file), Edge::Stippled);
}

}

void makeOrks(const std::string& game)
{
    writeOrk(game, DataFile::Ork0, OrkPose::Walk);
    writeOrk(game, DataFile::Ork1, OrkPose::WindUp);
    writeOrk(game, DataFile::Ork2, OrkPose::Strike);
    writeOrk(game, DataFile::OrkDead, OrkPose::Dead);
    writePrint(game, DataFile::Footprint0, rgb(40, 30, 22), 0.95f);
    writePrint(game, DataFile::Footprint1, rgb(50, 38, 28), 0.6f);
    writePrint(game, DataFile::Footprint2, rgb(60, 46, 34), 0.32f);
    writePrint(game, DataFile::Blood, palette::Blood, 0.95f);
}
