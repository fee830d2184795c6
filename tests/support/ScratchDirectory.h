#pragma once

#include <cstdlib>
#include <filesystem>

// A fresh temporary working directory for the life of the object, so that
// files a test makes never mix with the game's data; the previous working
// directory comes back afterwards.
struct ScratchDirectory {
    const std::filesystem::path previous = std::filesystem::current_path();
    char path[32] = "/tmp/orkcave-test-XXXXXX";

    ScratchDirectory() { std::filesystem::current_path(mkdtemp(path)); }
    ~ScratchDirectory()
    {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};
