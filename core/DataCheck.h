#pragma once

#include <string>

// Checks every file the game will load: pictures, played samples and
// segments. Returns an empty string when all are usable, otherwise a
// message naming the first problem.
std::string findDataProblem();

// Why the bytes are not a picture that is safe to hand to load_bitmap, or
// nullptr when they are. Allegro's loader trusts the header: dimensions
// whose size overflows make it write past its allocation.
const char* findBitmapFault(const std::string& bytes);

// Why the bytes are not a sample that is safe to hand to load_wav, or
// nullptr when they are: RIFF WAVE, uncompressed PCM, sound data within the file.
const char* findWaveFault(const std::string& bytes);
