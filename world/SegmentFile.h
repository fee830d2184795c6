#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Segment files: 10 x 10 tile codes in plain text, row by row from the top.
namespace segment {

constexpr int Side = 10;
constexpr int CodeCount = Side * Side;
constexpr int FileCount = 10;  // seg0.txt to seg9.txt are the ones levels use
constexpr int32_t UnknownCode = -1;  // stands in for numbers too large to be a code

// "maps//seg" + number + ".txt", relative to the working directory.
std::string fileName(int32_t number);

// Reads the next tile code; false at the end of the data or at anything
// that is not a number, after which the file is not read any further.
bool readCode(std::FILE* file, int32_t& code);

}
