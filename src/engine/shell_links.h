// Shortcut files: the shell's .lnk shortcuts and the .url web shortcut.
#pragma once

#include <string>

// Saves a shortcut to `target` as `linkFile`, written under a "~" name of its
// own first and then put in its place, so that a link standing at
// `linkFile` is replaced rather than written through: working folder the
// folder of `target` (with its backslash), the given arguments and
// description, shown normally (SW_SHOW) and with the icon number
// `iconIndex` of `target`.
// False, silently, when anything fails.
bool CreateShellLink(const std::string& target, const std::string& linkFile,
                     const std::string& arguments, const std::string& description, int iconIndex);

// Writes an Internet shortcut to `address` as the 8-bit text file `urlFile`,
// the same way.
// False when the file cannot be written.
bool WriteWebShortcut(const std::string& urlFile, const std::string& address);
