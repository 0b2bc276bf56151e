#include "installation/installer_state.h"

namespace {
InstallerState& Instance() {
    static InstallerState state;
    return state;
}
}  // namespace

InstallerState& State() { return Instance(); }

void ResetInstallerState() { Instance() = InstallerState{}; }
