#pragma once

#include <string>

// Checks that the ten segment files levels are built from exist and each
// holds 100 tile codes. Returns "" when they do, otherwise a message naming
// the first file at fault.
std::string findSegmentProblem();
