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

// "maps//seg" + number + ".txt", relative to the working directory: the
// files levels are built from.
std::string fileName(int32_t number);
// The same name without its folder: "seg" + number + ".txt".
std::string leafName(int32_t number);
// "maps//seg.txt": the unnumbered file the editor saves and reads back.
std::string editorFileName();

// Reads the next tile code; false at the end of the data or at anything
// that is not a number, after which the file is not read any further.
bool readCode(std::FILE* file, int32_t& code);

// How far reading a whole file got: count codes, and the system's errno if
// it refused to open or read the file (0 when the text just ended early).
struct CodesRead {
    int count = 0;
    int error = 0;
};
// Reads the named file's first 100 codes into codes.
CodesRead readCodes(const std::string& name, int32_t (&codes)[CodeCount]);

}
