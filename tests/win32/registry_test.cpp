// What the Win32 registry calls do beyond the rules the contract tests hold
// them and the fake to: values other writers stored in shapes the program
// never writes, and the deletion of a tree in each view.
#include <windows.h>

#include "check.h"
#include "platform/registry_calls.h"
#include "registry_delete_tree.h"

// windows.h maps RegDeleteTree to RegDeleteTreeA; ours must keep its own name,
// the one the portable code calls.
#undef RegDeleteTree

using namespace platform;
using platform::win32::DeleteKeyTree;

namespace {

std::string TestKey(const char* what) {
    static int made = 0;
    return std::string("Software\\NorvelikChecks\\") + what + std::to_string(++made);
}

RegKey OpenOrCreate(RegRoot root, const std::string& path, std::uint32_t access = kKeyAllAccess) {
    RegKey key = kNoKey;
    RegOpen(root, path, access, true, &key);
    return key;
}

bool Exists(RegRoot root, const std::string& path, std::uint32_t view = 0) {
    RegKey key = kNoKey;
    if (RegOpen(root, path, kKeyRead | view, false, &key) != kSuccess) return false;
    RegClose(key);
    return true;
}

void SetRaw(RegKey key, const char* name, DWORD type, const void* data, DWORD size) {
    ::RegSetValueExA(reinterpret_cast<HKEY>(key), name, 0, type, static_cast<const BYTE*>(data),
                     size);
}

}  // namespace

class Registry : public sandbox::Test {};

TEST_F(Registry, StringsStoredByOtherWritersReadAsTheirText) {
    const std::string path = TestKey("Raw");
    RegKey key = OpenOrCreate(RegRoot::CurrentUser, path);
    ASSERT_TRUE(key != kNoKey);
    SetRaw(key, "NoNul", REG_SZ, "abc", 3);
    SetRaw(key, "TwoNuls", REG_SZ, "abc\0\0", 5);
    SetRaw(key, "Expand", REG_EXPAND_SZ, "%SystemRoot%\\x", 15);
    const std::string longText(5000, 'z');
    SetRaw(key, "Long", REG_SZ, longText.c_str(), static_cast<DWORD>(longText.size() + 1));
    SetRaw(key, "Binary", REG_BINARY, "\1\2", 2);
    SetRaw(key, "ShortNumber", REG_DWORD, "\1\2", 2);
    SetRaw(key, "LongNumber", REG_DWORD, "\1\2\3\4\5\6\7\10", 8);

    struct Row {
        const char* name;
        std::string text;
        RegValueType type;
    };
    const Row rows[] = {
        {"NoNul", "abc", RegValueType::String},
        {"TwoNuls", "abc", RegValueType::String},
        {"Expand", "%SystemRoot%\\x", RegValueType::ExpandString},
        {"Long", longText, RegValueType::String},
    };
    for (const Row& row : rows) {
        std::string text;
        RegValueType type = RegValueType::Other;
        EXPECT_EQ(RegReadString(key, row.name, &text, &type), kSuccess);
        EXPECT_EQ(text, row.text);
        EXPECT_EQ(type, row.type);
    }
    RegValueType type = RegValueType::String;
    EXPECT_EQ(RegQueryValueType(key, "Binary", &type), kSuccess);
    EXPECT_EQ(type, RegValueType::Other);
    std::string text;
    EXPECT_EQ(RegReadString(key, "Binary", &text, nullptr), kErrorInvalidData);
    std::uint32_t number = 7;
    EXPECT_EQ(RegReadDword(key, "ShortNumber", &number), kErrorInvalidData);
    EXPECT_EQ(RegReadDword(key, "LongNumber", &number), kErrorInvalidData);
    EXPECT_EQ(number, 7u);
    RegClose(key);
    DeleteKeyTree(HKEY_CURRENT_USER, "Software\\NorvelikChecks", 0);
}

TEST_F(Registry, TreeDeletionRemovesSubkeysAndValuesAndSparesSiblings) {
    const std::string base = TestKey("Tree");
    const std::string product = base + "\\Norvelik";
    for (const char* sub : {"", "\\A", "\\A\\B", "\\C"}) {
        RegKey key = OpenOrCreate(RegRoot::CurrentUser, product + sub);
        RegWriteString(key, "Value", "x");
        RegWriteDword(key, "Number", 1);
        RegClose(key);
    }
    // A name the ANSI code page cannot spell is deleted like any other.
    HKEY wide = nullptr;
    const std::wstring wideName =
        std::wstring(product.begin(), product.end()) + L"\\A\\\u65e5\u672c\u00df";
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, wideName.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &wide, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(wide);
    RegClose(OpenOrCreate(RegRoot::CurrentUser, base + "\\Other"));
    ASSERT_TRUE(Exists(RegRoot::CurrentUser, product + "\\A\\B"));

    EXPECT_EQ(DeleteKeyTree(HKEY_CURRENT_USER, product, 0), ERROR_SUCCESS);
    EXPECT_FALSE(Exists(RegRoot::CurrentUser, product));
    EXPECT_TRUE(Exists(RegRoot::CurrentUser, base + "\\Other"));
    EXPECT_EQ(DeleteKeyTree(HKEY_CURRENT_USER, product, 0), ERROR_FILE_NOT_FOUND);
    DeleteKeyTree(HKEY_CURRENT_USER, "Software\\NorvelikChecks", 0);
}

TEST_F(Registry, EachViewDeletesOnlyItsOwnKey) {
    if (!sandbox::RegistryHasTwoViews()) GTEST_SKIP() << "a 32-bit system has one view only";
    const std::string path = TestKey("View") + "\\Norvelik";
    RegKey native =
        OpenOrCreate(RegRoot::LocalMachine, path + "\\Sub", kKeyAllAccess | kKeyWow64_64Key);
    ASSERT_TRUE(native != kNoKey);
    RegWriteString(native, "View", "64");
    RegClose(native);
    EXPECT_FALSE(Exists(RegRoot::LocalMachine, path));  // not in the 32-bit view yet
    RegKey redirected = OpenOrCreate(RegRoot::LocalMachine, path + "\\Sub");
    ASSERT_TRUE(redirected != kNoKey);
    RegWriteString(redirected, "View", "32");
    RegClose(redirected);

    EXPECT_EQ(DeleteKeyTree(HKEY_LOCAL_MACHINE, path, KEY_WOW64_64KEY), ERROR_SUCCESS);
    EXPECT_FALSE(Exists(RegRoot::LocalMachine, path, kKeyWow64_64Key));
    EXPECT_TRUE(Exists(RegRoot::LocalMachine, path + "\\Sub"));
    EXPECT_EQ(DeleteKeyTree(HKEY_LOCAL_MACHINE, path, 0), ERROR_SUCCESS);
    EXPECT_FALSE(Exists(RegRoot::LocalMachine, path));
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\NorvelikChecks", KEY_WOW64_64KEY);
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\NorvelikChecks", 0);
}
