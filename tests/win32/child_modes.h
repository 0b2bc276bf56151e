// What the test program does when started by a check as a child process.
#pragma once

#include <string>

// --hold-marker NAME: holds a named mapping NAME and never ends by itself.
// --load-dll NAME: exit code 1 when LoadLibrary finds NAME, else 0.
// --restrict-then-load-dll NAME: the same after restricting the DLL search.
int RunChildMode(int argc, char** argv);

// Runs this program with `arguments` and returns its exit code (-1 when it
// did not start or did not end).
int RunSelf(const std::string& arguments);
