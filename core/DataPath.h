#pragma once

#include <string>

// The absolute name of a data file as the player can find it: links are
// followed, so a file reached through a folder of links is named where it
// really is, and doubled slashes go. A file not there yet is named inside
// its folder's absolute name; a link to one, by the link's target.
std::string absoluteDataPath(const std::string& path);
