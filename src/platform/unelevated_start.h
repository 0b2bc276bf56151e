// Starting a program as the user at the desktop rather than as this elevated
// process, so that the product runs with that user's ordinary rights.
#pragma once

#include <string>

namespace platform {

// Asks the desktop's own shell (the one that shows the signed-in user's
// desktop) to open `file` with the verb "open", so that the program starts
// with that user's ordinary rights instead of this process's elevated ones.
// False when there is no desktop shell to ask or it refuses; nothing has been
// started then, and the caller may fall back to ShellOpen (platform/shell.h).
bool ShellOpenAsDesktopUser(const std::string& file, const std::string& parameters,
                            const std::string& workingFolder, int showCommand);

}  // namespace platform
