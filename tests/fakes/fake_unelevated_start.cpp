// Programs started through the desktop's shell, recorded apart from those the
// setup opens itself, so tests see which of the two ways was taken.
#include "fake_shell.h"
#include "platform/unelevated_start.h"

namespace platform {

bool ShellOpenAsDesktopUser(const std::string& file, const std::string& parameters,
                            const std::string& workingFolder, int showCommand) {
    if (!fake::Shell().desktopShellAnswers) return false;
    fake::Shell().openedAsDesktopUser.push_back({file, parameters, workingFolder, showCommand});
    return true;
}

}  // namespace platform
