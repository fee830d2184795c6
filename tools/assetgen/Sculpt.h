#pragma once

#include "Image.h"

#include <cstdint>
#include <string>
#include <vector>

struct BITMAP;

struct Point {
    float x, y;
};

// Places art drawn in its own coordinates (pivot at the origin, facing up)
// into a picture: turn, scale, then move to the pivot.
struct Placement {
    float x = 0.0f, y = 0.0f;   // where the art's origin lands
    float size = 1.0f;
    float turn = 0.0f;          // radians, clockwise on screen

    Point apply(Point p) const;
    Placement moved(float dx, float dy) const;   // offset in art coordinates
};

// One body part or object: a silhouette drawn with Allegro primitives into a
// supersampled 8-bit mask, then shaded as a rounded surface and laid onto a
// picture. Parts laid later cover earlier ones and cast a shadow on them.
class Sculpt {
public:
    Sculpt(int width, int height, Placement placement = Placement());
    ~Sculpt();
    Sculpt(const Sculpt&) = delete;
    Sculpt& operator=(const Sculpt&) = delete;

    void circle(float x, float y, float r);
    void ellipse(float x, float y, float rx, float ry, float turn = 0.0f);
    void capsule(float x0, float y0, float x1, float y1, float r0, float r1);
    void polygon(const std::vector<Point>& points);
    // Everything drawn after this removes instead of adds.
    void carve(bool on) { ink = on ? 0 : 255; }

    int width, height;
    static constexpr int Super = 4;
    BITMAP* mask;

private:
    Point toMask(float x, float y) const;
    Placement place;
    int ink = 255;
};

// How a part's surface looks under the light from the top-left.
struct Material {
    Color base;
    float round = 3.0f;       // pixels over which the surface rises from its edge
    float grain = 0.06f;      // strength of the surface mottling
    float grainCell = 3.0f;   // size of the mottling, pixels
    float shine = 0.0f;       // strength of the highlight
    float glow = 0.0f;        // share of the colour that ignores the light
    float shadow = 0.35f;     // darkness of the shadow cast on the parts below
    float lift = 1.5f;        // offset of that shadow, pixels
    float ink = 0.45f;        // darkening of a thin line along the part's edge
    uint32_t seed = 1;
};

// A plain surface: the given colour, rise, mottling, seed and cast shadow,
// defaults for the rest.
Material matte(Color base, float round, float grain, uint32_t seed, float shadow = Material().shadow);

void lay(Image& image, const Sculpt& part, const Material& material);

// Gives a sprite its dark contour: every uncovered pixel that touches a
// covered one (after cutting the coverage at one half) gets the colour.
void outline(Image& image, Color ink);
// Outlines a sprite in the shared dark ink and writes it with a hard mask.
void writeSprite(Image& image, const std::string& path);

// Draws one part with the given shape function and lays it onto the picture.
template <typename Shape>
void layPart(Image& image, Placement at, const Material& material, Shape shape)
{
    Sculpt part(image.width, image.height, at);
    shape(part);
    lay(image, part, material);
}

// Sets single pixels (art coordinates) in a checker so that a streak reads
// as motion without hiding what lies under it.
void streak(Image& image, Placement at, Point from, Point to, float width, Color c);
