#pragma once

#include <string>

// Checks every file the game will load: pictures, played samples and
// segments. Returns an empty string when all are usable, otherwise a
// message naming the first problem.
std::string findDataProblem();
