#pragma once

#include <cstdlib>
#include <filesystem>

// A fresh temporary working directory for the life of the object, so that
// files a test makes never mix with the game's data; the previous working
// directory comes back afterwards.
class ScratchDirectory {
public:
    ScratchDirectory()
    {
        char pattern[] = "/tmp/orkcave-test-XXXXXX";
        path = mkdtemp(pattern);
        std::filesystem::current_path(path);
    }
    ~ScratchDirectory()
    {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path, ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path path;
};
