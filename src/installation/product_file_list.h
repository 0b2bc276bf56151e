// The product's files: the list the setup installs and the uninstaller
// removes, so that both agree on every name.
#pragma once

#include <string>

// The uninstaller's file in the program folder, as the list names it.
constexpr char kUninstallerFileName[] = "uninstall.exe";

// The 29 payload files, each followed by ";", in the order they are
// installed: the product (`productName` + ".exe"), its uninstaller, the 26
// data files and the rich-edit library.
std::string ProductFileList(const std::string& productName);
