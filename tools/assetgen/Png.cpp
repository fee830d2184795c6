#include "Png.h"

#include <cstdio>

namespace {

uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc = 0)
{
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBig32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        out.push_back(static_cast<uint8_t>(v >> s));
}

void chunk(FILE* f, const char* type, const std::vector<uint8_t>& body)
{
    std::vector<uint8_t> bytes;
    putBig32(bytes, static_cast<uint32_t>(body.size()));
    bytes.insert(bytes.end(), type, type + 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    putBig32(bytes, crc32(bytes.data() + 4, bytes.size() - 4));
    fwrite(bytes.data(), 1, bytes.size(), f);
}

std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& raw)
{
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(n & 0xFF);
        z.push_back(n >> 8);
        z.push_back(~n & 0xFF);
        z.push_back((~n >> 8) & 0xFF);
        z.insert(z.end(), raw.begin() + pos, raw.begin() + pos + n);
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(z, (b << 16) | a);
    return z;
}

// One row filter byte, then the pixels: colour type 2 is RGB, 6 is RGBA.
bool writeRows(const std::string& path, int width, int height, const std::vector<uint8_t>& pixels, int channels)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    fwrite(signature, 1, 8, f);
    std::vector<uint8_t> header;
    putBig32(header, width);
    putBig32(header, height);
    uint8_t colourType = channels == 4 ? 6 : 2;
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    chunk(f, "IHDR", header);
    size_t stride = static_cast<size_t>(width) * channels;
    std::vector<uint8_t> raw;
    raw.reserve((stride + 1) * height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), pixels.begin() + y * stride, pixels.begin() + (y + 1) * stride);
    }
    chunk(f, "IDAT", storedZlib(raw));
    chunk(f, "IEND", {});
    return fclose(f) == 0;
}

}

bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb)
{
    return writeRows(path, width, height, rgb, 3);
}

bool writePngWithAlpha(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba)
{
    return writeRows(path, width, height, rgba, 4);
}
