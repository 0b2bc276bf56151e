// Registry links as the system keeps them: a key made with
// REG_OPTION_CREATE_LINK whose value "SymbolicLinkValue", of type REG_LINK,
// names the key it leads to. Opened with REG_OPTION_OPEN_LINK, a link is the
// link key itself; opened without it, the system follows it.
#pragma once

#include <windows.h>

#include <string>

namespace platform {
namespace win32 {

// Opens `subkey` of `parent` with `access` as the key itself, never a link's
// target: a link at that name opens as the link key. With `create` a missing
// key (and its missing parents) is made. Returns a Windows error code.
LONG OpenKeyItself(HKEY parent, const std::string& subkey, REGSAM access, bool create, HKEY* key);

// Whether the open key is a link. `key` must be open with KEY_QUERY_VALUE.
bool IsLinkKey(HKEY key);

}  // namespace win32
}  // namespace platform
