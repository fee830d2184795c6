#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/DataCheck.h"
#include "support/ScratchDirectory.h"

namespace {
namespace fs = std::filesystem;

// Runs the check in a scratch copy of the game's data, broken as each case needs.
class DataCheck : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : {"textures", "sounds", "maps"})
            fs::copy(scratch.previous / folder, folder, fs::copy_options::recursive);
    }
    void restore(const std::string& file)
    {
        fs::copy_file(scratch.previous / file, file, fs::copy_options::overwrite_existing);
    }
    static void write(const std::string& file, const std::string& bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }

    ScratchDirectory scratch;
};

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void put32(std::string& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

void put16(std::string& bytes, size_t at, uint16_t value)
{
    bytes[at] = static_cast<char>(value);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

// A 4 x 2 picture at 24 bits: rows of 12 bytes, no padding needed.
std::string smallBitmap()
{
    std::string bytes(54 + 24, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, static_cast<uint32_t>(bytes.size()));
    put32(bytes, 10, 54);
    put32(bytes, 14, 40);
    put32(bytes, 18, 4);
    put32(bytes, 22, 2);
    put16(bytes, 26, 1);
    put16(bytes, 28, 24);
    return bytes;
}

// Mono 8-bit PCM with four samples.
std::string smallWave()
{
    std::string bytes = std::string("RIFF") + std::string(4, '\0') + "WAVE" + "fmt " + std::string(20, '\0') + "data"
                      + std::string(4, '\0') + std::string(4, '\x80');
    put32(bytes, 4, static_cast<uint32_t>(bytes.size() - 8));
    put32(bytes, 16, 16);
    put16(bytes, 20, 1);
    put16(bytes, 22, 1);
    put32(bytes, 24, 11025);
    put32(bytes, 28, 11025);
    put16(bytes, 32, 1);
    put16(bytes, 34, 8);
    put32(bytes, 40, 4);
    return bytes;
}
// The fault a checker finds in good bytes with one 16- or 32-bit field
// overwritten; "" when it finds none.
template <typename Checker>
std::string faultWith(Checker check, std::string bytes, size_t at, uint32_t value, bool wide)
{
    wide ? put32(bytes, at, value) : put16(bytes, at, static_cast<uint16_t>(value));
    const char* fault = check(bytes);
    return std::string(fault ? fault : "");
}


}

TEST_F(DataCheck, ShippedDataPassesAndMissingFilesAreNamed)
{
    EXPECT_EQ(findDataProblem(), "");
    fs::remove("textures/rock.bmp");
    EXPECT_EQ(findDataProblem(), "Missing data file: textures//rock.bmp");
    restore("textures/rock.bmp");
    fs::remove("sounds/warg.wav");
    EXPECT_EQ(findDataProblem(), "Missing data file: sounds/warg.wav");
    restore("sounds/warg.wav");
    fs::remove("maps/seg7.txt");
    EXPECT_NE(findDataProblem().find("maps//seg7.txt"), std::string::npos);
}

TEST_F(DataCheck, CorruptAndTruncatedFilesAreNamed)
{
    write("textures/Ork1.bmp", std::string(300, '\x5a'));
    EXPECT_EQ(findDataProblem().rfind("Unreadable data file: textures//Ork1.bmp (", 0), 0u);
    restore("textures/Ork1.bmp");

    // Allegro's loader accepts half a picture and fills the rest with garbage.
    std::string half = readFile("textures/intro.bmp");
    write("textures/intro.bmp", half.substr(0, half.size() / 2));
    EXPECT_EQ(findDataProblem(), "Unreadable data file: textures//intro.bmp (truncated pixel data)");
    restore("textures/intro.bmp");

    std::string sound = readFile("sounds/splat.wav");
    write("sounds/splat.wav", sound.substr(0, sound.size() / 2));
    EXPECT_EQ(findDataProblem(), "Unreadable data file: sounds/splat.wav (truncated sound data)");
}

// With these dimensions Allegro's own size computation overflows and its
// loader writes far past the bitmap it allocated: the check must refuse the
// file before the library sees it.
TEST_F(DataCheck, PictureWhoseSizeOverflowsTheLoaderIsRefusedUnread)
{
    std::string bytes = smallBitmap() + std::string(300000, '\x10');
    put32(bytes, 18, 65536);
    put32(bytes, 22, 65537);
    write("textures/head.bmp", bytes);
    EXPECT_EQ(findDataProblem(), "Unreadable data file: textures//head.bmp (impossible picture size)");
}

TEST(BitmapFault, AcceptsWellFormedPicturesAndNamesEachKindOfDamage)
{
    const std::string good = smallBitmap();
    EXPECT_EQ(findBitmapFault(good), nullptr);
    auto damaged = [&](size_t at, uint32_t value, bool wide) {
        return faultWith(findBitmapFault, good, at, value, wide);
    };
    EXPECT_EQ(damaged(0, 'X', false), "not a Windows bitmap");
    EXPECT_EQ(damaged(18, static_cast<uint32_t>(-4), true), "impossible picture size");
    EXPECT_EQ(damaged(10, 0xFFFFFFF0u, true), "pixel data outside the file");
    EXPECT_STREQ(findBitmapFault(good.substr(0, good.size() - 1)), "truncated pixel data");

    // Eight bits per pixel: more than 256 palette entries before the pixels.
    std::string paletted = good + std::string(2000, '\0');
    put16(paletted, 28, 8);
    put32(paletted, 10, 54 + 1028);
    EXPECT_STREQ(findBitmapFault(paletted), "impossible palette");
    put32(paletted, 10, 54 + 1024);
    EXPECT_EQ(findBitmapFault(paletted), nullptr);
}

TEST(WaveFault, AcceptsPcmAndNamesEachKindOfDamage)
{
    const std::string good = smallWave();
    EXPECT_EQ(findWaveFault(good), nullptr);
    auto damaged = [&](size_t at, uint32_t value, bool wide) {
        return faultWith(findWaveFault, good, at, value, wide);
    };
    EXPECT_EQ(damaged(8, 0, true), "not a RIFF WAVE file");
    EXPECT_EQ(damaged(20, 2, false), "not uncompressed PCM sound");
    EXPECT_EQ(damaged(16, 0x7FFFFFF0u, true), "chunk runs past the end");
    EXPECT_EQ(damaged(40, 0x7FFFFFF0u, true), "truncated sound data");

    // An unknown chunk before the format is skipped, with its pad byte.
    std::string withList = good.substr(0, 12) + "LIST" + std::string("\x03\0\0\0xyz\0", 8) + good.substr(12);
    EXPECT_EQ(findWaveFault(withList), nullptr);
    std::string dataFirst = good.substr(0, 12) + good.substr(36);
    EXPECT_STREQ(findWaveFault(dataFirst), "sound data before its format");
}
