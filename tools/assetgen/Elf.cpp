// The elf: ready, throwing, empty-handed, carrying the bag, struck down.
// Art coordinates: the elf's centre at the origin, facing up (-y).
#include "Families.h"
#include "Palette.h"

#include <cmath>

namespace {

constexpr int ElfWidth = 100, ElfHeight = 140;
constexpr float ElfSize = 1.15f;
constexpr float Grain = 0.07f;

Material ears() { return matte(rgb(238, 190, 164), 1.0f, 0.03f, 216); }
Material flesh() { return matte(palette::ElfSkin, 2.0f, 0.03f, 201); }

void paintCloak(Image& image, Placement at, float sway)
{
    layPart(image, at, matte(palette::ElfCloak, 5.0f, Grain, 202), [&](Sculpt& s) {
        s.ellipse(sway * 0.4f, 8, 16, 14);
        s.polygon({{-15, 4}, {15, 4}, {10 + sway, 22}, {sway, 25}, {-10 + sway, 22}});
    });
    layPart(image, at, matte(palette::ElfCloakDark, 1.5f, Grain, 203), [&](Sculpt& s) {
        s.capsule(-6 + sway * 0.3f, 9, -8 + sway, 21, 0.9f, 1.1f);
        s.capsule(6 + sway * 0.3f, 9, 8 + sway, 21, 0.9f, 1.1f);
    });
    layPart(image, at, matte(palette::ElfTunic, 4.0f, Grain, 215), [](Sculpt& s) { s.ellipse(0, -2, 15, 7); });
    layPart(image, at, matte(palette::ElfCloakDark, 3.0f, Grain, 217), [](Sculpt& s) { s.ellipse(0, 5, 8, 5.5f); });
}

void paintArm(Image& image, Placement at, Point shoulder, Point hand)
{
    layPart(image, at, matte(palette::ElfTunic, 3.0f, Grain, 204), [&](Sculpt& s) {
        s.capsule(shoulder.x, shoulder.y, hand.x, hand.y, 3.8f, 3.0f);
    });
    layPart(image, at, flesh(), [&](Sculpt& s) { s.circle(hand.x, hand.y, 3.2f); });
}

void paintHead(Image& image, Placement at)
{
    layPart(image, at, ears(), [](Sculpt& s) {
        s.polygon({{-5, -5}, {-14, 0}, {-5, -1}});
        s.polygon({{5, -5}, {14, 0}, {5, -1}});
    });
    Material hair = matte(palette::ElfHair, 3.0f, Grain, 205);
    hair.grain = 0.12f;
    hair.grainCell = 1.5f;
    hair.shine = 0.3f;
    layPart(image, at, hair, [](Sculpt& s) {
        s.ellipse(0, -2, 6.5f, 7.0f);
    });
}

// A small throwing knife as held or flying: blade toward `tip`.
void paintKnife(Image& image, Placement at, Point grip, Point tip)
{
    float dx = tip.x - grip.x, dy = tip.y - grip.y, len = std::hypot(dx, dy);
    float ux = dx / len, uy = dy / len;
    Material steel = matte(palette::Steel, 1.0f, Grain, 207);
    steel.shine = 0.8f;
    layPart(image, at, steel, [&](Sculpt& s) {
        s.polygon({{grip.x - uy * 2.2f, grip.y + ux * 2.2f}, {tip.x, tip.y}, {grip.x + uy * 2.2f, grip.y - ux * 2.2f}});
    });
    layPart(image, at, matte(palette::Brass, 1.0f, Grain, 208), [&](Sculpt& s) {
        s.capsule(grip.x - uy * 4, grip.y + ux * 4, grip.x + uy * 4, grip.y - ux * 4, 1.2f, 1.2f);
    });
}

void paintSack(Image& image, Placement at)
{
    Material sack = matte(palette::Sack, 6.0f, Grain, 209);
    sack.grain = 0.14f;
    sack.lift = 3.0f;
    layPart(image, at, sack, [](Sculpt& s) { s.ellipse(-13, 10, 12, 14, 0.3f); });
    layPart(image, at, matte(rgb(210, 40, 36), 3.0f, Grain, 210), [](Sculpt& s) { s.circle(-15, -2, 4.5f); });
    layPart(image, at, matte(rgb(60, 110, 200), 1.5f, Grain, 211), [](Sculpt& s) {
        s.polygon({{-6, -1}, {-1, 1}, {-3, 6}, {-8, 4}});
    });
    layPart(image, at, matte(rgb(110, 80, 50), 1.0f, Grain, 212), [](Sculpt& s) { s.capsule(-9, -4, -18, 2, 1.4f, 1.4f); });
}

void paintBody(Image& image, Placement at, Point leftHand, Point rightHand, float sway)
{
    paintCloak(image, at, sway);
    paintArm(image, at, {-12, -3}, leftHand);
    paintArm(image, at, {12, -3}, rightHand);
    paintHead(image, at);
}

}

void paintElf(Image& image, Placement at, ElfPose pose)
{
    switch (pose) {
    case ElfPose::Ready:
        paintBody(image, at, {-9, -10}, {9, -13}, 0.0f);
        paintKnife(image, at, {9, -15}, {10, -28});
        break;
    case ElfPose::Throw:
        paintBody(image, at, {-12, -8}, {5, -23}, -2.0f);
        paintKnife(image, at, {4, -38}, {3, -52});
        streak(image, at, {5, -25}, {4, -40}, 1.2f, rgb(220, 226, 236));
        break;
    case ElfPose::Follow:
        paintBody(image, at, {-13, -6}, {-6, -18}, -3.0f);
        break;
    case ElfPose::Carry:
        paintBody(image, at, {-9, -10}, {8, -15}, 0.0f);
        paintSack(image, at);
        break;
    case ElfPose::Dead: {
        paintBloodPool(image, at, {{6, 4}, 20, 15, -0.4f, 7, 17, 26, 1.2f, 3.0f, Grain, 213, 214});
        Placement fallen = at;
        fallen.turn += 1.1f;
        paintBody(image, fallen, {-22, -6}, {18, -16}, 4.0f);
        paintKnife(image, at, {-18, -22}, {-28, -30});
        break;
    }
    }
}

namespace {

void writeElf(const std::string& game, DataFile file, ElfPose pose)
{
    Image image(ElfWidth, ElfHeight);
    paintElf(image, atPivot(file, ElfSize), pose);
    writeSprite(image, dataFileIn(game, file));
}

}

void makeElf(const std::string& game)
{
    writeElf(game, DataFile::Elf0, ElfPose::Ready);
    writeElf(game, DataFile::Elf1, ElfPose::Throw);
    writeElf(game, DataFile::Elf2, ElfPose::Follow);
    writeElf(game, DataFile::ElfBag, ElfPose::Carry);
    writeElf(game, DataFile::ElfDead, ElfPose::Dead);
}
