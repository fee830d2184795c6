#pragma once

#include <cstdint>
#include <map>

#include "world/SegmentFile.h"

// The last complete copy of each segment file read in this run. Segment
// files are read again at every level start, so that a fixed file takes
// effect at the next one; a file deleted or half-written meanwhile builds
// from its copy instead, never a level of what is left of it.
class SegmentCopies {
public:
    // Fills codes for segment `number`: from its file when that holds all
    // 100 codes, keeping them as the new copy; otherwise from the copy,
    // saying so once on standard error until the file is whole again.
    // Returns how many codes it filled: fewer than 100 only while no
    // complete copy was ever read, as many as the file held.
    int codesOf(int32_t number, int32_t (&codes)[segment::CodeCount]);

private:
    struct Copy {
        int32_t codes[segment::CodeCount];
        bool complete = false;
        bool reported = false;  // the file's trouble is on standard error already
    };
    std::map<int32_t, Copy> copies;

    // Copies of every file levels use, so that each has one from the first level on.
    void copyAllFiles();
};
