// The dagger (also the HUD's dagger icon), the bag of toys on the floor and
// the crosshair.
#include "Families.h"
#include "Palette.h"

#include <cmath>

namespace {

constexpr int DaggerSize = 32;
constexpr int BagSize = 64;
constexpr int CrosshairSize = 32;
constexpr float Grain = 0.06f;

// Toys spilling out of the sack's mouth, toward the top-left.
void paintToys(Image& image, Placement at)
{
    Material ball = matte(rgb(214, 40, 36), 4.0f, Grain, 301);
    ball.shine = 0.6f;
    layPart(image, at, ball, [](Sculpt& s) { s.circle(-15, -13, 5.5f); });
    layPart(image, at, matte(rgb(250, 240, 220), 1.0f, Grain, 302), [](Sculpt& s) { s.capsule(-20, -13, -10, -13, 1.0f, 1.0f); });
    layPart(image, at, matte(rgb(64, 112, 204), 1.5f, Grain, 303), [](Sculpt& s) {
        s.polygon({{-3, -20}, {5, -18}, {3, -10}, {-5, -12}});
    });
    layPart(image, at, matte(rgb(250, 220, 70), 1.0f, Grain, 304), [](Sculpt& s) {
        std::vector<Point> star;
        for (int i = 0; i < 10; ++i) {
            float a = i * float(M_PI) / 5 - float(M_PI) / 2, r = (i % 2) ? 2.2f : 5.0f;
            star.push_back({-22 + std::cos(a) * r, 0 + std::sin(a) * r});
        }
        s.polygon(star);
    });
    layPart(image, at, matte(rgb(150, 100, 56), 1.5f, Grain, 305), [](Sculpt& s) {
        s.capsule(-10, -4, -2, -4, 2.5f, 2.5f);
        s.circle(-1, -6, 3.0f);
        s.capsule(-8, -2, -8, 1, 1.0f, 1.0f);
        s.capsule(-3, -2, -3, 1, 1.0f, 1.0f);
    });
}

void writeDagger(const std::string& path)
{
    Image image(DaggerSize, DaggerSize);
    paintDagger(image, atPivot(DataFile::Dagger));
    writeSprite(image, path);
}

void writeBag(const std::string& path)
{
    Image image(BagSize, BagSize);
    paintBag(image, {BagSize / 2.0f, BagSize / 2.0f, 1.0f, 0.0f});
    writeSprite(image, path);
}

// A broken ring with four ticks and a dot: light with a dark rim, so it
// shows on the black fog and on the brown dirt alike.
void writeCrosshair(const std::string& path)
{
    Image image(CrosshairSize, CrosshairSize);
    const float c = 15.5f;
    for (int y = 0; y < CrosshairSize; ++y)
        for (int x = 0; x < CrosshairSize; ++x) {
            float dx = x - c, dy = y - c, r = std::hypot(dx, dy);
            float a = std::atan2(dy, dx) + float(M_PI) / 4;
            float gapPhase = std::fabs(std::fmod(a + 4 * float(M_PI), float(M_PI) / 2) - float(M_PI) / 4);
            bool ring = r >= 8.5f && r <= 10.5f && gapPhase > 0.2f;
            bool tick = (std::fabs(dx) <= 0.6f || std::fabs(dy) <= 0.6f) && r >= 4.0f && r <= 13.5f;
            bool dot = r <= 1.2f;
            if (ring || tick || dot) {
                image.at(x, y) = r <= 1.2f ? rgb(255, 80, 60) : rgb(255, 244, 200);
                image.coverage(x, y) = 1.0f;
            }
        }
    writeSprite(image, path);
}

}

void paintDagger(Image& image, Placement at)
{
    Material steel = matte(palette::Steel, 1.5f, Grain, 306);
    steel.shine = 0.9f;
    layPart(image, at, steel, [](Sculpt& s) { s.polygon({{-3.2f, 1}, {0, -14}, {3.2f, 1}}); });
    layPart(image, at, matte(rgb(120, 126, 138), 0.5f, Grain, 307), [](Sculpt& s) { s.capsule(0, -11, 0, 0, 0.4f, 0.6f); });
    layPart(image, at, matte(palette::Brass, 1.2f, Grain, 308), [](Sculpt& s) { s.capsule(-6, 2.5f, 6, 2.5f, 1.6f, 1.6f); });
    layPart(image, at, matte(palette::Wood, 1.5f, Grain, 309), [](Sculpt& s) { s.capsule(0, 4, 0, 10, 1.8f, 1.8f); });
    layPart(image, at, matte(palette::Brass, 1.5f, Grain, 310), [](Sculpt& s) { s.circle(0, 12.5f, 2.3f); });
}

void paintBag(Image& image, Placement at)
{
    Material sack = matte(palette::Sack, 7.0f, Grain, 311);
    sack.grain = 0.16f;
    sack.grainCell = 2.0f;
    layPart(image, at, sack, [](Sculpt& s) {
        s.ellipse(5, 6, 19, 17, 0.5f);
        s.polygon({{-6, -10}, {-14, -4}, {-2, 8}, {8, -4}});
    });
    layPart(image, at, matte(scale(palette::Sack, 0.55f), 2.0f, Grain, 312), [](Sculpt& s) { s.ellipse(-8, -5, 7, 5, 0.7f); });
    layPart(image, at, matte(rgb(200, 180, 120), 1.0f, Grain, 313), [](Sculpt& s) { s.capsule(-3, -12, 10, -20, 1.0f, 1.0f); });
    paintToys(image, at);
}

void makeItems(const std::string& game)
{
    writeDagger(dataFileIn(game, DataFile::Dagger));
    writeBag(dataFileIn(game, DataFile::Bag));
    writeCrosshair(dataFileIn(game, DataFile::Crosshair));
}
