#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <vector>

#include "core/DataCheck.h"
#include "support/ScratchDirectory.h"
#include "world/SegmentFile.h"

namespace {
namespace fs = std::filesystem;
using Damage = std::function<void(std::string&)>;

// Sets a little-endian field of four bytes, or of two, at a place in the
// file or in the chunk that starts with the tag (its size follows the tag).
Damage field(size_t at, uint32_t value, int width = 4, const char* tag = "")
{
    return [=](std::string& bytes) {
        for (int i = 0; i < width; ++i)
            bytes[bytes.find(tag) + at + i] = static_cast<char>(value >> (8 * i));
    };
}

const Damage OneCodeShort = [](std::string& b) { b.erase(b.rfind(' ')); };

struct Case {
    const char* file;            // as the game names it
    std::vector<Damage> damage;  // none removes the file
    const char* problem;         // what the check says, % standing for the file inside the working folder
    bool folder = false;         // a folder takes the file's place: there, but unreadable
};

const Case Cases[] = {
    {"sounds/bone.wav", {}, "Missing data file: %"},
    {"sounds/bone.wav", {}, "Unreadable data file: % (Is a directory)", true},
    {"maps//seg2.txt", {}, "Unreadable data file: % (Is a directory)", true},
    // The first and the last of the ten, one code short.
    {"maps//seg0.txt", {OneCodeShort}, "Bad segment file: % (needs 100 tile codes)"},
    {"maps//seg9.txt", {OneCodeShort, [](std::string& b) { b += " x"; }}, "Bad segment file: % (needs 100 tile codes)"},
    {"textures//Ork1.bmp", {[](std::string& b) { b.assign(300, 'Z'); }},
     "Unreadable data file: % (not a Windows bitmap)"},
    // Sizes that overflow Allegro's own computation: its loader would write past its bitmap.
    {"textures//head.bmp", {field(18, 65536), field(22, 65537)}, "Unreadable data file: % (impossible picture size)"},
    {"textures//head.bmp", {field(18, static_cast<uint32_t>(-4))}, "Unreadable data file: % (impossible picture size)"},
    {"textures//head.bmp", {field(10, 0xFFFFFFF0u)}, "Unreadable data file: % (pixel data outside the file)"},
    // Allegro's loader accepts part of a picture and fills the rest with garbage; one byte short is enough.
    {"textures//head.bmp", {[](std::string& b) { b.pop_back(); }}, "Unreadable data file: % (truncated pixel data)"},
    // Eight bits per pixel leave room for 256 palette entries, no more.
    {"textures//head.bmp", {field(28, 8, 2), field(10, 54 + 1028)}, "Unreadable data file: % (impossible palette)"},
    {"textures//head.bmp", {field(28, 8, 2), field(10, 54 + 1024)}, ""},
    {"sounds/bone.wav", {field(8, 0)}, "Unreadable data file: % (not a RIFF WAVE file)"},
    {"sounds/bone.wav", {field(8, 2, 2, "fmt ")}, "Unreadable data file: % (not uncompressed PCM sound)"},
    {"sounds/bone.wav", {field(12, 0, 4, "fmt ")}, "Unreadable data file: % (impossible sample rate)"},
    {"sounds/bone.wav", {field(4, 0x7FFFFFF0u, 4, "fmt ")}, "Unreadable data file: % (chunk runs past the end)"},
    {"sounds/bone.wav", {[](std::string& b) { b.pop_back(); }}, "Unreadable data file: % (truncated sound data)"},
    // Allegro's loader skips no pad bytes, and leaks all but the last block of sound data.
    {"sounds/bone.wav", {[](std::string& b) { b.insert(12, std::string("LIST\x03\0\0\0xyz\0", 12)); }},
     "Unreadable data file: % (odd-sized chunk before the sound data)"},
    {"sounds/bone.wav", {[](std::string& b) { b += std::string("data\2\0\0\0\0\0", 10); }},
     "Unreadable data file: % (a second block of sound data)"},
    {"sounds/bone.wav",
     {[](std::string& b) { b = b.substr(0, 12) + b.substr(b.find("data")) + b.substr(12, b.find("data") - 12); }},
     "Unreadable data file: % (sound data before its format)"},
};
}

TEST(DataCheck, ShippedDataPassesAndEachDamagedFileIsNamedWithItsFault)
{
    ScratchDirectory scratch;
    for (const char* folder : {"textures", "sounds", "maps"})
        fs::copy(scratch.previous / folder, folder, fs::copy_options::recursive);
    // The shipped data passing is the accepted palette's case: every file is back by then.
    for (const Case& c : Cases) {
        std::ifstream in(c.file, std::ios::binary);
        std::string damaged(std::istreambuf_iterator<char>(in), {});
        fs::remove(c.file);
        for (const Damage& damage : c.damage)
            damage(damaged);
        if (!c.damage.empty())
            std::ofstream(c.file, std::ios::binary) << damaged;
        if (c.folder)
            fs::create_directory(c.file);
        const std::string file = (fs::current_path() / c.file).lexically_normal().string();
        EXPECT_EQ(findDataProblem(), std::regex_replace(c.problem, std::regex("%"), file)) << c.file;
        fs::remove_all(c.file);
        fs::copy_file(scratch.previous / c.file, c.file);
    }
    // Well-formed segments that never open a way into the cave.
    for (int n = 0; n < segment::FileCount; ++n) {
        std::ofstream file("maps/seg" + std::to_string(n) + ".txt");
        for (int t = 0; t < segment::CodeCount; ++t)
            file << "2 ";
    }
    EXPECT_NE(findDataProblem().find(fs::current_path().string() + "/maps/seg0.txt to"), std::string::npos);
}
