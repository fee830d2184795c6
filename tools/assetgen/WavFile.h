#pragma once

#include "Synth.h"

#include <string>

// Writes mono 16-bit PCM WAVE at the game's sample rate.
bool writeWav(const std::string& path, const synth::Samples& s);
