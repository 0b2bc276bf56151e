// The checks of the Win32 platform layer. Besides running them (optionally
// only those whose name contains the first argument), the program serves as
// the child process some checks need; see child_modes.h.
#include <cstring>
#include <string>

#include "check.h"
#include "child_modes.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::strncmp(argv[1], "--", 2) == 0) return RunChildMode(argc, argv);
    return check::RunAll(argc >= 2 ? argv[1] : "");
}
