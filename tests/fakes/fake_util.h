// Small helpers shared by the fakes.
#pragma once

#include <string>

// Names are compared as Windows compares them.
#include "platform/name_case.h"

namespace fake {

// Strips a trailing backslash (one or more) from a path.
std::string WithoutTrailingBackslashes(std::string path);

}  // namespace fake
