// Small helpers shared by the fakes.
#pragma once

#include <string>

namespace fake {

// Lower-cases A to Z only, as Windows compares names.
std::string LowerAscii(std::string text);

// Strips a trailing backslash (one or more) from a path.
std::string WithoutTrailingBackslashes(std::string path);

}  // namespace fake
