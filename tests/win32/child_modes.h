// What the test program does when started by a check as a child process.
#pragma once

#include <string>

// --hold-marker NAME: holds a named mapping NAME and never ends by itself.
// --load-dll NAME: exit code 1 when LoadLibrary finds NAME, else 0.
// --restrict-then-load-dll NAME: the same after restricting the DLL search.
// --print COUNT: writes COUNT letters ("abc…z" over and over) to its standard
//   output; exit code 4 when that is not a pipe or a write fails.
// --print-whereabouts X: writes its program file and its working folder to
//   its standard output, one line each.
int RunChildMode(int argc, char** argv);

// Runs this program with `arguments` and returns its exit code (-1 when it
// did not start or did not end).
int RunSelf(const std::string& arguments);
