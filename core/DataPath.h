#pragma once

#include <string>

// The absolute name of a data file as the player can find it: links are
// followed, so a file reached through a folder of links is named where it
// really is, and doubled slashes go. A file not there yet is named inside
// its folder's absolute name; a link to one, by the link's target.
std::string absoluteDataPath(const std::string& path);

// What the player is told of a data file that could not be read: missing,
// or unreadable with the system's reason for the error (an errno value).
std::string readFailure(const std::string& path, int error);

// ... and of one that was read but is not usable, why says what is wrong.
std::string unusableDataFile(const std::string& path, const std::string& why);
