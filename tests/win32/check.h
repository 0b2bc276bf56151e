// What the checks of the Win32 platform layer share: GoogleTest, and the
// sandbox of the contract tests, whose fixture gives every check a fresh
// folder as its working folder (sandbox::Folder()).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "sandbox.h"

namespace check {

// The folder of the running test program, ending in a backslash.
std::string ProgramFolder();

}  // namespace check
