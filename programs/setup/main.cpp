// The entry of setup.exe. A GUI program may enter through main(): the
// subsystem is the linker's choice, so the entry needs no Windows header.
#include "control/main_sequence.h"
#include "platform/process_entry.h"

int main() {
    platform::RestrictDllSearchPath();
    return RunSetup();
}
