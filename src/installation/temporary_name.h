// Where the setup writes a file's new bytes before they take the file's
// place: the same folder, the name with a leading "~". The uninstaller looks
// there too, for the copy a setup that was stopped halfway left behind.
#pragma once

#include <string>

// The target with "~" after its last backslash (searched from the
// second-to-last character back), or in front of a path without one.
std::string TemporaryFileName(const std::string& targetPath);

// The names of the empty files the programs make for a moment in a folder
// they work in (to remove a name, to find whether a file can be made
// there): "~nv", one to five letters or digits, ".tmp", in any case. A run
// stopped at that moment leaves one, which the uninstaller takes away with
// the product.
bool IsScratchFileName(const std::string& name);
