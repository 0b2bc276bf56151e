#include "registry_delete_tree.h"

#include "system_library.h"

namespace platform {
namespace win32 {

namespace {

// Both appeared after Windows XP (32-bit); without them a tree is deleted key
// by key, and a 32-bit system has only the one view anyway.
using DeleteTreeFunction = LONG(WINAPI*)(HKEY, LPCSTR);
using DeleteKeyExFunction = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);

LONG DeleteOneKey(HKEY parent, const std::string& subkey, REGSAM view) {
    static const auto deleteKeyEx =
        SystemProc<DeleteKeyExFunction>("advapi32.dll", "RegDeleteKeyExA");
    if (deleteKeyEx != nullptr) return deleteKeyEx(parent, subkey.c_str(), view, 0);
    return ::RegDeleteKeyA(parent, subkey.c_str());
}

LONG DeleteChildrenKeyByKey(HKEY key, REGSAM view) {
    // Always take the first remaining child: the enumeration index shifts as
    // children disappear.
    for (;;) {
        char name[256];  // key names are at most 255 characters
        DWORD length = sizeof(name);
        LONG e = ::RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (e == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (e != ERROR_SUCCESS) return e;
        e = DeleteKeyTree(key, std::string(name, length), view, TreeDeletion::KeyByKey);
        if (e != ERROR_SUCCESS) return e;
    }
}

}  // namespace

LONG DeleteKeyTree(HKEY parent, const std::string& subkey, REGSAM view, TreeDeletion how) {
    HKEY key = nullptr;
    LONG e = ::RegOpenKeyExA(
        parent, subkey.c_str(), 0,
        KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | DELETE | view, &key);
    if (e != ERROR_SUCCESS) return e;
    static const auto deleteTree = SystemProc<DeleteTreeFunction>("advapi32.dll", "RegDeleteTreeA");
    if (how == TreeDeletion::SystemWhereAvailable && deleteTree != nullptr) {
        // With no subkey name it empties the key but keeps the key itself.
        e = deleteTree(key, nullptr);
    } else {
        e = DeleteChildrenKeyByKey(key, view);
    }
    ::RegCloseKey(key);
    if (e != ERROR_SUCCESS) return e;
    return DeleteOneKey(parent, subkey, view);
}

}  // namespace win32
}  // namespace platform
