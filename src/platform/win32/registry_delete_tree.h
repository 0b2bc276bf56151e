// Deleting a registry key with everything below it, in the registry view the
// caller chose.
#pragma once

#include <windows.h>

#include <string>

namespace platform {
namespace win32 {

enum class TreeDeletion {
    SystemWhereAvailable,  // the system's own tree deletion where Windows has it
    KeyByKey,              // always the walk that Windows XP needs
};

// Deletes `subkey` of `parent` with its subkeys and values. `view` is 0,
// KEY_WOW64_64KEY or KEY_WOW64_32KEY. Returns a Windows error code.
LONG DeleteKeyTree(HKEY parent, const std::string& subkey, REGSAM view, TreeDeletion how);

}  // namespace win32
}  // namespace platform
