#include "PngFile.h"

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

bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    return writeRows(path, width, height, rgb, PNG_FORMAT_RGB);
}

bool writePngWithAlpha(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba)
{
    return writeRows(path, width, height, rgba, PNG_FORMAT_RGBA);
}
