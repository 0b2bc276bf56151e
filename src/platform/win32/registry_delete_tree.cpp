#include "registry_delete_tree.h"

#include "platform/error_codes.h"
#include "registry_link.h"
#include "system_library.h"

namespace platform {
namespace win32 {

namespace {

// The system's own tree deletion and its key deletion by name open every key
// they meet without REG_OPTION_OPEN_LINK, so a link in the tree would have
// them empty and delete the key it leads to. A key is therefore deleted
// through the handle it was opened with; only the native call does that.
using NtDeleteKeyFunction = LONG(WINAPI*)(HANDLE);
using NtStatusToErrorFunction = ULONG(WINAPI*)(LONG);

// What the system's tree deletion asks of a key with values: a key whose
// values may not be changed is not deleted either.
constexpr REGSAM kWalkAccess = KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | DELETE;

// Deletes the open key, which must have no subkeys left, with its values.
LONG DeleteOpenKey(HKEY key) {
    static const auto deleteKey = SystemProc<NtDeleteKeyFunction>("ntdll.dll", "NtDeleteKey");
    static const auto toError =
        SystemProc<NtStatusToErrorFunction>("ntdll.dll", "RtlNtStatusToDosError");
    if (deleteKey == nullptr || toError == nullptr) return ERROR_CALL_NOT_IMPLEMENTED;
    return static_cast<LONG>(toError(deleteKey(key)));
}

LONG DeleteSubkeys(HKEY key, REGSAM view) {
    // Always take the first remaining child: the enumeration index shifts as
    // children disappear. Wide names, so that a name outside the ANSI code
    // page is opened as it is.
    for (;;) {
        wchar_t name[256];  // key names are at most 255 characters
        DWORD length = sizeof(name) / sizeof(name[0]);
        LONG e = ::RegEnumKeyExW(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (e == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (e != ERROR_SUCCESS) return e;
        HKEY child = nullptr;
        e = ::RegOpenKeyExW(key, name, REG_OPTION_OPEN_LINK, kWalkAccess | view, &child);
        if (e != ERROR_SUCCESS) return e;
        // A link has no subkeys of its own: what it leads to is not this tree's.
        if (!IsLinkKey(child)) e = DeleteSubkeys(child, view);
        if (e == ERROR_SUCCESS) e = DeleteOpenKey(child);
        ::RegCloseKey(child);
        if (e != ERROR_SUCCESS) return e;
    }
}

}  // namespace

LONG DeleteKeyTree(HKEY parent, const std::string& subkey, REGSAM view) {
    HKEY key = nullptr;
    LONG e = OpenKeyItself(parent, subkey, kWalkAccess | view, false, &key);
    if (e != ERROR_SUCCESS) return e;
    if (IsLinkKey(key)) {
        e = static_cast<LONG>(kErrorStoppedOnSymlink);
    } else {
        e = DeleteSubkeys(key, view);
        if (e == ERROR_SUCCESS) e = DeleteOpenKey(key);
    }
    ::RegCloseKey(key);
    return e;
}

}  // namespace win32
}  // namespace platform
