// What a program of ours does first, before anything is loaded on demand.
// setup.exe usually starts from a downloads folder, where anybody may have
// left a DLL named like a system one. The programs import only DLLs that
// Windows takes from its Known DLLs (and whose own imports it takes from the
// system folder), so nothing is loaded from there before the entry point;
// restricting the search first thing keeps every later load by name (the
// common controls and everything they and the shell bring in) out of that
// folder too.
#pragma once

#include <string>

namespace platform {

// Limits the DLL search to the system folder where Windows allows it, else at
// least takes the current folder out of it; then loads the DLLs that the
// system's own DLLs load by name later from the system folder at once, so
// that no search, restricted or not, is made for them.
void RestrictDllSearchPath();

// The process's command line after the program's own name, as Windows
// passed it (quotes kept); empty when there is nothing after the name, or
// when the current text code page cannot hold it character for character.
std::string CommandLineArguments();

}  // namespace platform
