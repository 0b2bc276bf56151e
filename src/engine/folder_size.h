// The installed size of a folder, for the uninstall entry.
#pragma once

#include <cstdint>
#include <string>

// The size of all files under `folder` (subfolders included) in units of
// 1024 bytes, any remainder dropped. The sum is kept in 64 bits, so folders
// over 4 GiB are not reported wrapped; a sum beyond INT32_MAX KB is clamped
// to it. -1 when `folder` is empty or not an existing folder.
std::int32_t FolderSizeKB(const std::string& folder);
