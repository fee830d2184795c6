#pragma once

#include <string>

// The path as given on the command line, made absolute against the working
// directory, so that it names the same file after the tool changes into the
// game directory. Left as given when the working directory cannot be read.
std::string outputPath(const std::string& given);
