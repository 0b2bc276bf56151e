// The product's files as the setup installs them and the uninstaller removes
// them, made from the one table of the product's files
// (installation/product_files.h), so that both agree on every name.
#pragma once

#include <string>

#include "installation/product_files.h"

// The uninstaller's file in the program folder, as the list names it.
constexpr const char* kUninstallerFileName = kProductFiles[1].name;
static_assert(kProductFiles[1].role == ProductFile::Role::Uninstaller,
              "the uninstaller's row comes second");

// Every file of the table, each followed by ";", in the order they are
// installed; the product's own program named `productName` + ".exe".
std::string ProductFileList(const std::string& productName);

// The product's own program in `programFolder` (which ends with "\").
std::string ProductProgramPath(const std::string& programFolder, const std::string& productName);
