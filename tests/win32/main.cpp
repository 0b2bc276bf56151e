// The checks of the Win32 platform layer. Besides running them (GoogleTest's
// options select which), the program serves as the child process some checks
// need; see child_modes.h.
#include <cstring>

#include "check.h"
#include "child_modes.h"

extern void (*const kPlatformCalls[])();

int main(int argc, char** argv) {
    // Keeps every platform call in the link (see platform_symbols.cpp).
    if (kPlatformCalls[0] == nullptr) return 3;
    if (argc >= 2 && std::strncmp(argv[1], "--", 2) == 0 &&
        std::strncmp(argv[1], "--gtest", 7) != 0) {
        return RunChildMode(argc, argv);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
