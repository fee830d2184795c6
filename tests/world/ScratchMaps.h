#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// A temporary working directory with its own maps/ folder, entered for the
// lifetime of the object; the previous working directory is restored after.
class ScratchMaps {
public:
    ScratchMaps() : previous(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orkcave-maps-XXXXXX").string();
        root = mkdtemp(pattern.data());
        std::filesystem::create_directory(root / "maps");
        std::filesystem::current_path(root);
    }

    ~ScratchMaps()
    {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(root);
    }

    void write(int number, const std::string& content)
    {
        std::ofstream(root / "maps" / ("seg" + std::to_string(number) + ".txt")) << content;
    }

    void writeAll(const std::string& content)
    {
        for (int number = 0; number < 10; ++number)
            write(number, content);
    }

    void remove(int number) { std::filesystem::remove(root / "maps" / ("seg" + std::to_string(number) + ".txt")); }

private:
    std::filesystem::path previous;
    std::filesystem::path root;
};

// Segment text from tile codes, ten to a line.
inline std::string segmentText(const std::vector<int>& codes)
{
    std::string text;
    for (size_t i = 0; i < codes.size(); ++i)
        text += std::to_string(codes[i]) + ((i % 10 == 9) ? "\n" : " ");
    return text;
}

// A full segment of one code, with exceptions as {cell index, code}.
inline std::vector<int> filledSegment(int code, std::initializer_list<std::pair<int, int>> exceptions = {})
{
    std::vector<int> codes(100, code);
    for (auto [cell, other] : exceptions)
        codes[cell] = other;
    return codes;
}
