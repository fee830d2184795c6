#pragma once

#include "core/DataFiles.h"

#include <string>
#include <vector>

// Every file the generator writes: the game's listed data below the game
// directory, the desktop and window icons in the icon directory.

// The desktop icon's sizes; each is painted afresh.
constexpr int IconSizes[] = {48, 64, 256};

// Where a listed data file goes below the game directory.
std::string dataFileIn(const std::string& game, DataFile file);
// The desktop icon of one size.
std::string iconFile(const std::string& icons, int size);
// The window icon's XPM source, built into the programs.
std::string windowIconFile(const std::string& icons);
// Every icon size as the window's _NET_WM_ICON holds them, as C++ source.
std::string iconCardinalsFile(const std::string& icons);

// All of them, the data in the list's order first.
std::vector<std::string> generatedFiles(const std::string& game, const std::string& icons);
