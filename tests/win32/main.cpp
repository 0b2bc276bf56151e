// The checks of the Win32 platform layer. Besides running them (optionally
// only those whose name contains the first argument), the program serves as
// the child process some checks need; see child_modes.h.
#include <cstring>
#include <string>

#include "check.h"
#include "child_modes.h"

extern void (*const kPlatformCalls[])();

int main(int argc, char** argv) {
    // Keeps every platform call in the link (see platform_symbols.cpp).
    if (kPlatformCalls[0] == nullptr) return 3;
    if (argc >= 2 && std::strncmp(argv[1], "--", 2) == 0) return RunChildMode(argc, argv);
    return check::RunAll(argc >= 2 ? argv[1] : "");
}
