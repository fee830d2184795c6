#pragma once

#include <cstdlib>
#include <filesystem>

// A fresh temporary working directory for the life of the object, so that
// files a test makes never mix with the game's data; the previous working
// directory comes back afterwards.
struct ScratchDirectory {
    ScratchDirectory() { std::filesystem::current_path(path); }
    ~ScratchDirectory()
    {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path path = [] {
        char pattern[] = "/tmp/orkcave-test-XXXXXX";
        return std::filesystem::path(mkdtemp(pattern));
    }();
};
