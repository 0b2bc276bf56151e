// The run-time random generator of the process. The common services seed it
// once at start-up; the new files of a random name (random_file.h) draw from it.
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);

// One letter from "a" to "z".
char RandomLowercaseLetter();
