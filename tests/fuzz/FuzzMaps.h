#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// FuzzMaps.cpp also holds the LLVMFuzzerInitialize that every target shares.

class TileMap;

namespace fuzzing {

// Writes bytes as the named file in the working directory.
void writeFile(const std::string& name, const uint8_t* data, size_t size);

// Stops the run, so that libFuzzer keeps the input as a crash, when the
// tiles within `reach` of (column, row) break a map rule: legal kinds, no
// water beside rock (off the grid counts as rock), outside reads rock.
void checkMapRules(const TileMap& map, int column = 0, int row = 0, int reach = 100);

// Stops the run, so that libFuzzer keeps the input as a crash.
[[noreturn]] void fail(const std::string& what);

}
