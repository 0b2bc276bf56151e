#include <windows.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "platform/registry_calls.h"
#include "registry_delete_tree.h"
#include "registry_link.h"
#include "text_to_wide.h"

// windows.h maps RegDeleteTree to RegDeleteTreeA; ours must keep its own name,
// the one the portable code calls.
#undef RegDeleteTree

namespace platform {

namespace {

HKEY RootHandle(RegRoot root) {
    return root == RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

HKEY Handle(RegKey key) { return reinterpret_cast<HKEY>(key); }

std::string WithoutTrailingBackslashes(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

RegValueType TypeOf(DWORD type) {
    switch (type) {
        case REG_SZ:
            return RegValueType::String;
        case REG_EXPAND_SZ:
            return RegValueType::ExpandString;
        case REG_DWORD:
            return RegValueType::Dword;
        default:
            return RegValueType::Other;
    }
}

}  // namespace

ErrorCode RegOpen(RegRoot root, const std::string& path, std::uint32_t access, bool create,
                  RegKey* key) {
    *key = kNoKey;
    const std::string subkey = WithoutTrailingBackslashes(path);
    HKEY handle = nullptr;
    LONG e =
        win32::OpenKeyItself(RootHandle(root), subkey, access | KEY_QUERY_VALUE, create, &handle);
    if (e != ERROR_SUCCESS) return static_cast<ErrorCode>(e);
    if (win32::IsLinkKey(handle)) {
        ::RegCloseKey(handle);
        return kErrorStoppedOnSymlink;
    }
    *key = reinterpret_cast<RegKey>(handle);
    return kSuccess;
}

ErrorCode RegQueryValueType(RegKey key, const std::string& name, RegValueType* type) {
    DWORD rawType = REG_NONE;
    LONG e = ::RegQueryValueExW(Handle(key), win32::TextToWide(name).c_str(), nullptr, &rawType,
                                nullptr, nullptr);
    if (e != ERROR_SUCCESS) return static_cast<ErrorCode>(e);
    if (rawType == REG_SZ || rawType == REG_EXPAND_SZ) {
        // A text the program cannot hold is not there for it, whichever way it asks.
        std::string text;
        const ErrorCode read = RegReadString(key, name, &text, nullptr);
        if (read == kErrorNoUnicodeTranslation) return read;
    }
    *type = TypeOf(rawType);
    return kSuccess;
}

ErrorCode RegReadString(RegKey key, const std::string& name, std::string* value,
                        RegValueType* type) {
    // Read wide, so that a path outside the ANSI code page still arrives whole
    // when the texts are UTF-8, and is refused rather than misread when they
    // are ANSI.
    const std::wstring wideName = win32::TextToWide(name);
    std::vector<BYTE> buffer(512);
    DWORD rawType = REG_NONE;
    for (;;) {
        // A spare character keeps a value stored without its NUL terminated here.
        DWORD size = static_cast<DWORD>(buffer.size() - sizeof(wchar_t));
        LONG e = ::RegQueryValueExW(Handle(key), wideName.c_str(), nullptr, &rawType, buffer.data(),
                                    &size);
        if (e == ERROR_MORE_DATA) {
            buffer.resize(size + sizeof(wchar_t));  // the value may grow again before the next try
            continue;
        }
        if (e != ERROR_SUCCESS) return static_cast<ErrorCode>(e);
        if (rawType != REG_SZ && rawType != REG_EXPAND_SZ) return kErrorInvalidData;
        std::wstring text(size / sizeof(wchar_t), L'\0');
        if (!text.empty()) std::memcpy(&text[0], buffer.data(), text.size() * sizeof(wchar_t));
        // The text ends at its first NUL, as every reader of the value sees it.
        text.resize(std::wcslen(text.c_str()));
        if (!win32::WideToTextExactly(text, value)) return kErrorNoUnicodeTranslation;
        if (type != nullptr) *type = TypeOf(rawType);
        return kSuccess;
    }
}

ErrorCode RegReadDword(RegKey key, const std::string& name, std::uint32_t* value) {
    DWORD rawType = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof(data);
    LONG e = ::RegQueryValueExA(Handle(key), name.c_str(), nullptr, &rawType,
                                reinterpret_cast<BYTE*>(&data), &size);
    if (e == ERROR_MORE_DATA) return kErrorInvalidData;  // larger than any REG_DWORD
    if (e != ERROR_SUCCESS) return static_cast<ErrorCode>(e);
    if (rawType != REG_DWORD || size != sizeof(data)) return kErrorInvalidData;
    *value = data;
    return kSuccess;
}

ErrorCode RegWriteString(RegKey key, const std::string& name, const std::string& value) {
    return static_cast<ErrorCode>(::RegSetValueExA(Handle(key), name.c_str(), 0, REG_SZ,
                                                   reinterpret_cast<const BYTE*>(value.c_str()),
                                                   static_cast<DWORD>(value.size() + 1)));
}

ErrorCode RegWriteDword(RegKey key, const std::string& name, std::uint32_t value) {
    DWORD data = value;
    return static_cast<ErrorCode>(::RegSetValueExA(Handle(key), name.c_str(), 0, REG_DWORD,
                                                   reinterpret_cast<const BYTE*>(&data),
                                                   sizeof(data)));
}

ErrorCode RegDeleteTree(RegRoot root, const std::string& path, std::uint32_t access) {
    const std::string subkey = WithoutTrailingBackslashes(path);
    // An empty path would name the root itself and empty it of everything.
    if (subkey.empty()) return kErrorInvalidParameter;
    const REGSAM view = access & (KEY_WOW64_64KEY | KEY_WOW64_32KEY);
    return static_cast<ErrorCode>(win32::DeleteKeyTree(RootHandle(root), subkey, view));
}

void RegClose(RegKey key) {
    if (key != kNoKey) ::RegCloseKey(Handle(key));
}

}  // namespace platform
