// The contract tests' side of Windows: a fresh folder under the user's
// temporary folder for each test, and a key under Software removed before
// and after it in every view.
#include <windows.h>

#include "platform/text_code_page.h"
#include "registry_delete_tree.h"
#include "sandbox.h"

namespace sandbox {

namespace {

std::string g_folder;

std::string TemporaryFolder() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathA(sizeof(buffer), buffer);
    return std::string(buffer, length);
}

HKEY RootKey(platform::RegRoot root) {
    return root == platform::RegRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// Deleted without following a link, so that a test's links take nothing
// outside its key with them.
void RemoveKeys() {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
            platform::win32::DeleteKeyTree(root, Key(), view);
        }
    }
}

// Deletes the test's folder with everything in it, links as names only.
void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + name;
            const DWORD attributes = found.dwFileAttributes;
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                ::DeleteFileA(path.c_str());
            } else if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
                ::RemoveDirectoryA(path.c_str());
            } else {
                RemoveTree(path + "\\");
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

void Test::SetUp() {
    static int tests = 0;
    g_folder = TemporaryFolder() + "nv_checks_" + std::to_string(::GetCurrentProcessId()) + "_" +
               std::to_string(++tests) + "\\";
    ASSERT_TRUE(::CreateDirectoryA(g_folder.c_str(), nullptr));
    ::SetCurrentDirectoryA(g_folder.c_str());
    RemoveKeys();
}

void Test::TearDown() {
    platform::UseTextCodePage(platform::TextCodePage::Ansi);
    ::SetCurrentDirectoryA(TemporaryFolder().c_str());
    RemoveTree(g_folder);
    RemoveKeys();
}

std::string Folder() { return g_folder; }

std::string Key() { return "Software\\NorvelikContract"; }

bool RegistryHasTwoViews() {
    BOOL wow64 = FALSE;
    ::IsWow64Process(::GetCurrentProcess(), &wow64);
    return wow64 != FALSE;
}

void WriteValueOfType(platform::RegRoot root, const std::string& path, std::uint32_t view,
                      const std::string& name, platform::RegValueType type,
                      const std::string& text) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_SET_VALUE | view, &key),
              ERROR_SUCCESS);
    const DWORD rawType = type == platform::RegValueType::ExpandString ? REG_EXPAND_SZ : REG_BINARY;
    ::RegSetValueExA(key, name.c_str(), 0, rawType, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
    ::RegCloseKey(key);
}

void MakeLink(platform::RegRoot root, const std::string& path, std::uint32_t view,
              const std::string& target) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(::RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_CREATE_LINK,
                                KEY_ALL_ACCESS | view, nullptr, &key, &disposition),
              ERROR_SUCCESS)
        << path;
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY)) << path;
    // The kernel's name of the target, stored without a terminating zero.
    const std::string name = "\\Registry\\Machine\\" + target;
    const std::wstring wide(name.begin(), name.end());
    EXPECT_EQ(::RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK,
                               reinterpret_cast<const BYTE*>(wide.data()),
                               static_cast<DWORD>(wide.size() * sizeof(wchar_t))),
              ERROR_SUCCESS)
        << path;
    ::RegCloseKey(key);
}

bool IsLink(platform::RegRoot root, const std::string& path, std::uint32_t view) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(RootKey(root), path.c_str(), REG_OPTION_OPEN_LINK, KEY_QUERY_VALUE | view,
                        &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = REG_NONE;
    const LONG e = ::RegQueryValueExA(key, "SymbolicLinkValue", nullptr, &type, nullptr, nullptr);
    ::RegCloseKey(key);
    return e == ERROR_SUCCESS && type == REG_LINK;
}

void WriteUnicodeString(platform::RegRoot root, const std::string& path, const std::string& name,
                        const std::string& utf8) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<std::size_t>(::MultiByteToWideChar(
        CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), &text[0],
        static_cast<int>(text.size()))));
    const std::wstring wideName(name.begin(), name.end());  // ASCII names only
    ::RegSetValueExW(key, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

std::string MissingDrive() {
    const DWORD drives = ::GetLogicalDrives();
    for (char letter = 'Z'; letter >= 'D'; --letter) {
        if ((drives & (1u << (letter - 'A'))) == 0) return std::string(1, letter) + ":";
    }
    ADD_FAILURE() << "every drive letter is taken";
    return "?:";
}

void MakeReadOnly(const std::string& path) {
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

void MakeHidden(const std::string& path) {
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

bool OnWine() {
    return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

HeldFile::HeldFile(const std::string& path, bool othersMayRead) : path_(path) {
    HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ, othersMayRead ? FILE_SHARE_READ : 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    holding_ = handle != INVALID_HANDLE_VALUE;
    handle_ = reinterpret_cast<std::uintptr_t>(handle);
}

HeldFile::~HeldFile() {
    if (holding_) ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace sandbox
