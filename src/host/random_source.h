// The run-time random generator of the process. The common services seed it
// once at start-up; the capture of command output draws its file names from it.
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);

// One letter from "a" to "z".
char RandomLowercaseLetter();
