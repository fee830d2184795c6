#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class TileMap;

namespace fuzzing {

// Makes a private working directory holding maps/ with copies of the
// shipped segment files, and moves into it. Call once, from LLVMFuzzerInitialize.
void enterScratchGameDirectory();

// The same, then Allegro without a display, in 16-bit colour, for its loaders.
void enterScratchLibrary();

// Writes bytes as the named file in the working directory.
void writeFile(const std::string& name, const uint8_t* data, size_t size);

// "" when the map keeps its rules: legal kinds, outside reads rock, no water
// beside rock (off the grid counts as rock); otherwise what broke.
std::string brokenMapRule(const TileMap& map);
// The same rules for the tiles within one tile of (column, row) only: what
// a single paste there can break.
std::string brokenMapRuleNear(const TileMap& map, int column, int row);

// Stops the run so that libFuzzer keeps the input as a crash.
[[noreturn]] void fail(const std::string& what);

}
