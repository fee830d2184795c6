#include "tools/pngfile/PngFile.h"

#include <allegro.h>
#include <png.h>

namespace {

bool writeRows(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels, uint32_t format)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    bool ok = png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

}

bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba)
{
    return writeRows(path, width, height, rgba, PNG_FORMAT_RGBA);
}

bool savePng(BITMAP* bitmap, const std::string& path)
{
    const int depth = bitmap_color_depth(bitmap);
    std::vector<uint8_t> rgb;
    rgb.reserve(bitmap->w * bitmap->h * 3);
    for (int y = 0; y < bitmap->h; ++y)
        for (int x = 0; x < bitmap->w; ++x) {
            const int c = getpixel(bitmap, x, y);
            rgb.insert(rgb.end(), {uint8_t(getr_depth(depth, c)), uint8_t(getg_depth(depth, c)),
                                   uint8_t(getb_depth(depth, c))});
        }
    return writeRows(path, bitmap->w, bitmap->h, rgb, PNG_FORMAT_RGB);
}
