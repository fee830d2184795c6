// The window icon, written as XPM source for the programs to build in:
// Allegro on X11 takes its icon from the program itself. It is the ork head
// of the desktop icon; XPM has no partial transparency, so the soft edge is
// cut at half coverage.
#include "Families.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int IconSize = 48;
constexpr float OpaqueFrom = 0.5f;
// Each colour is named by two characters from '#' to '~' less the backslash:
// 91 x 91 names, more than the icon has pixels.
constexpr char FirstSymbol = '#';
constexpr int SymbolCount = 91;
const char* const XpmName = "orkcave_icon_xpm";

char symbolChar(int i)
{
    char c = static_cast<char>(FirstSymbol + i);
    return c >= '\\' ? c + 1 : c;
}

std::string colourName(int index)
{
    return {symbolChar(index / SymbolCount), symbolChar(index % SymbolCount)};
}

// "#rrggbb", or "None" where the head does not cover the pixel.
std::string pixelColour(const Image& image, int x, int y)
{
    if (image.coverage(x, y) < OpaqueFrom)
        return "None";
    Color c = image.at(x, y);
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", byteOf(c.r), byteOf(c.g), byteOf(c.b));
    return text;
}

bool writeXpm(const Image& image, const std::string& path)
{
    std::map<std::string, int> colours;
    std::vector<int> pixels;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            pixels.push_back(colours.emplace(pixelColour(image, x, y), int(colours.size())).first->second);
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    std::fprintf(file, "/* XPM */\nstatic const char* %s[] = {\n\"%d %d %zu 2\",\n", XpmName, image.width,
                 image.height, colours.size());
    for (const auto& [colour, index] : colours)
        std::fprintf(file, "\"%s c %s\",\n", colourName(index).c_str(), colour.c_str());
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x)
            row += colourName(pixels[y * image.width + x]);
        std::fprintf(file, "\"%s\"%s\n", row.c_str(), y + 1 < image.height ? "," : "};");
    }
    return std::fclose(file) == 0;
}

}

bool makeWindowIcon(const std::string& dir)
{
    Image image(IconSize, IconSize);
    paintOrkHead(image);
    return writeXpm(image, windowIconFile(dir));
}
