#pragma once

#include <string>
#include <vector>

// Colours are floats in [0, 1] per channel while we paint; they are
// quantised only when a picture is written.
struct Color {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

Color rgb(int r, int g, int b);
// A channel of 0 to 1 as the nearest of 0 to 255, for the 8-bit icon formats.
int byteOf(float v);
Color mix(Color a, Color b, float t);
Color scale(Color c, float k);
Color add(Color a, Color b);
// 0 below a, 1 above b, and a smooth S-curve between.
float smoothstep(float a, float b, float v);

// A picture being painted: colour plus coverage (alpha). Only at the end is
// coverage turned into the all-or-nothing mask colour.
class Image {
public:
    Image(int width, int height);

    int width, height;
    std::vector<Color> color;
    std::vector<float> alpha;

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Color& at(int x, int y) { return color[y * width + x]; }
    float& coverage(int x, int y) { return alpha[y * width + x]; }
    Color at(int x, int y) const { return color[y * width + x]; }
    float coverage(int x, int y) const { return alpha[y * width + x]; }

    // Paints c over the pixel with the given opacity.
    void blend(int x, int y, Color c, float opacity);
    void fill(Color c, float opacity);
    // Copies another picture over this one, top-left at (x, y).
    void paste(const Image& other, int x, int y);
};

// How coverage becomes the mask: sprites cut at one half, terrain edges are
// stippled so that a soft fade survives the all-or-nothing mask.
enum class Edge { Hard, Stippled };

// Writes a 24-bit BMP with Allegro's save_bitmap. Colours are ordered-
// dithered onto the 5-6-5 grid the game runs in, so Allegro's truncating
// conversion on load keeps them exactly; uncovered pixels become magenta.
// A picture that cannot be written ends the generator, as requireWritten.
void writePicture(const Image& image, const std::string& path, Edge edge);

// Ends the generator with exit code 1 and a message naming the file unless
// it was written whole: a build must not go on with a file missing or cut short.
void requireWritten(bool written, const std::string& path);
