// Deleting a registry key with everything below it, in the registry view the
// caller chose, without following a registry link anywhere in the tree.
#pragma once

#include <windows.h>

#include <string>

namespace platform {
namespace win32 {

// Deletes `subkey` of `parent` with its subkeys and values. `view` is 0,
// KEY_WOW64_64KEY or KEY_WOW64_32KEY. Every key is opened as the key itself
// and deleted through its own handle: a link below `subkey` goes as the link
// key, what it leads to stays whole; `subkey` itself being a link refuses the
// whole deletion (ERROR_STOPPED_ON_SYMLINK) and deletes nothing. Returns a
// Windows error code; on a failure below `subkey` what was deleted so far
// stays deleted.
LONG DeleteKeyTree(HKEY parent, const std::string& subkey, REGSAM view);

}  // namespace win32
}  // namespace platform
