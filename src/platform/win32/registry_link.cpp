#include "registry_link.h"

namespace platform {
namespace win32 {

LONG OpenKeyItself(HKEY parent, const std::string& subkey, REGSAM access, bool create, HKEY* key) {
    // Opened first, so that an existing key is taken as it is even where the
    // create call would not keep to REG_OPTION_OPEN_LINK; a key made here is
    // new, and a link put in its way meanwhile is still opened as the link.
    LONG e = ::RegOpenKeyExA(parent, subkey.c_str(), REG_OPTION_OPEN_LINK, access, key);
    if (e != ERROR_FILE_NOT_FOUND || !create) return e;
    return ::RegCreateKeyExA(parent, subkey.c_str(), 0, nullptr,
                             REG_OPTION_NON_VOLATILE | REG_OPTION_OPEN_LINK, access, nullptr, key,
                             nullptr);
}

bool IsLinkKey(HKEY key) {
    DWORD type = REG_NONE;
    return ::RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, nullptr) ==
               ERROR_SUCCESS &&
           type == REG_LINK;
}

}  // namespace win32
}  // namespace platform
