#pragma once

#include <string>

// Checks that every segment file levels are built from exists and holds a
// whole segment of tile codes. Returns "" when they do, otherwise a message
// naming the first file at fault.
std::string findSegmentProblem();
