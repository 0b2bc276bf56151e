// The registry rules the setup program relies on, as Windows keeps them: the
// same tests run against the fake and against the real registry.
#include "name_rows.h"
#include "platform/registry_calls.h"
#include "sandbox.h"

// windows.h, where the Win32 side includes it, maps RegDeleteTree to RegDeleteTreeA.
#undef RegDeleteTree

using namespace platform;

namespace {

class RegistryContract : public sandbox::Test {};

RegKey Open(RegRoot root, const std::string& path, std::uint32_t access, bool create = false) {
    RegKey key = kNoKey;
    RegOpen(root, path, access, create, &key);
    return key;
}

bool Exists(RegRoot root, const std::string& path, std::uint32_t view = 0) {
    RegKey key = Open(root, path, kKeyRead | view);
    RegClose(key);
    return key != kNoKey;
}

// "Software\X" seen through the node the 32-bit view keeps: "Software\<node>\X".
std::string InNode(const std::string& key, const char* node = "WOW6432Node") {
    return "Software\\" + std::string(node) + key.substr(std::string("Software").size());
}

std::string ReadString(RegRoot root, const std::string& path, const std::string& name,
                       std::uint32_t view = 0) {
    RegKey key = Open(root, path, kKeyRead | view);
    std::string text = "(missing)";
    if (key != kNoKey) RegReadString(key, name, &text, nullptr);
    RegClose(key);
    return text;
}

void WriteString(RegRoot root, const std::string& path, const std::string& name,
                 const std::string& text, std::uint32_t view = 0) {
    RegKey key = Open(root, path, kKeyAllAccess | view, true);
    ASSERT_NE(key, kNoKey) << path;
    EXPECT_EQ(RegWriteString(key, name, text), kSuccess);
    RegClose(key);
}

}  // namespace

TEST_F(RegistryContract, ValuesReadBackWithTheirTypesAndAWrongTypeIsRefused) {
    RegKey key = Open(RegRoot::CurrentUser, sandbox::Key() + "\\Uninstall\\", kKeyAllAccess, true);
    ASSERT_NE(key, kNoKey);
    EXPECT_EQ(RegWriteString(key, "DisplayName", "Норвелик"), kSuccess);
    EXPECT_EQ(RegWriteString(key, "Empty", ""), kSuccess);
    EXPECT_EQ(RegWriteDword(key, "VersionMajor", 1500), kSuccess);
    EXPECT_EQ(RegWriteDword(key, "Minus", 0xFFFFFFFFu), kSuccess);
    const std::string path = sandbox::Key() + "\\Uninstall";
    sandbox::WriteValueOfType(RegRoot::CurrentUser, path, 0, "Expand", RegValueType::ExpandString,
                              "%SystemRoot%\\x");
    sandbox::WriteValueOfType(RegRoot::CurrentUser, path, 0, "Binary", RegValueType::Other, "ab");
    // Written wide by another program, in UTF-8 here: "C:\Users\René Ω", and
    // "Норвелик", which Windows-1251 holds.
    const std::string rene = "C:\\Users\\Ren\xC3\xA9 \xCE\xA9";
    const std::string cyrillic = "\xD0\x9D\xD0\xBE\xD1\x80\xD0\xB2\xD0\xB5\xD0\xBB\xD0\xB8\xD0\xBA";
    sandbox::WriteUnicodeString(RegRoot::CurrentUser, path, "Unicode", rene);
    sandbox::WriteUnicodeString(RegRoot::CurrentUser, path, "WideCyrillic", cyrillic);

    struct Row {
        const char* name;
        ErrorCode asString;
        const char* text;
        ErrorCode asDword;
        std::uint32_t number;
        ErrorCode typeQuery;
        RegValueType type;
    };
    const Row rows[] = {
        {"DisplayName", kSuccess, "Норвелик", kErrorInvalidData, 7, kSuccess, RegValueType::String},
        {"Empty", kSuccess, "", kErrorInvalidData, 7, kSuccess, RegValueType::String},
        {"Expand", kSuccess, "%SystemRoot%\\x", kErrorInvalidData, 7, kSuccess,
         RegValueType::ExpandString},
        {"VersionMajor", kErrorInvalidData, "kept", kSuccess, 1500, kSuccess, RegValueType::Dword},
        {"Minus", kErrorInvalidData, "kept", kSuccess, 0xFFFFFFFFu, kSuccess, RegValueType::Dword},
        {"Binary", kErrorInvalidData, "kept", kErrorInvalidData, 7, kSuccess, RegValueType::Other},
        {"Missing", kErrorFileNotFound, "kept", kErrorFileNotFound, 7, kErrorFileNotFound,
         RegValueType::Other},
        // In the ANSI code page (1251) no look-alike: "René" is not "Rene".
        {"Unicode", kErrorNoUnicodeTranslation, "kept", kErrorInvalidData, 7,
         kErrorNoUnicodeTranslation, RegValueType::Other},
        {"WideCyrillic", kSuccess, "Норвелик", kErrorInvalidData, 7, kSuccess,
         RegValueType::String},
    };
    for (const Row& row : rows) {
        // A refused read leaves what the caller had.
        std::string text = "kept";
        RegValueType type = RegValueType::Other;
        EXPECT_EQ(RegReadString(key, row.name, &text, &type), row.asString) << row.name;
        EXPECT_EQ(text, row.text) << row.name;
        if (row.asString == kSuccess) {
            EXPECT_EQ(type, row.type) << row.name;
        }
        std::uint32_t number = 7;
        EXPECT_EQ(RegReadDword(key, row.name, &number), row.asDword) << row.name;
        EXPECT_EQ(number, row.number) << row.name;
        type = RegValueType::Other;
        EXPECT_EQ(RegQueryValueType(key, row.name, &type), row.typeQuery) << row.name;
        EXPECT_EQ(type, row.type) << row.name;
    }
    // The uninstaller's UTF-8 holds both whole.
    UseTextCodePage(TextCodePage::Utf8);
    for (const std::string& name : {std::string("Unicode"), std::string("WideCyrillic")}) {
        std::string text;
        RegValueType type = RegValueType::Other;
        EXPECT_EQ(RegReadString(key, name, &text, nullptr), kSuccess) << name;
        EXPECT_EQ(text, name == "Unicode" ? rene : cyrillic);
        EXPECT_EQ(RegQueryValueType(key, name, &type), kSuccess) << name;
        EXPECT_EQ(type, RegValueType::String) << name;
    }
    UseTextCodePage(TextCodePage::Ansi);
    RegClose(key);
}

TEST_F(RegistryContract, KeyAndValueNamesCompareWithoutCaseInLatinAndCyrillic) {
    // In the ANSI code page only: the Win32 side opens keys and writes values
    // through the ANSI calls, so UTF-8 names would reach the registry as
    // Windows-1251 text.
    int n = 0;
    for (const contract::NameRow& row : contract::NameRows()) {
        const std::string key = sandbox::Key() + "\\" + std::to_string(++n) + " ";
        WriteString(RegRoot::CurrentUser, key + row.written, row.written, "value");
        EXPECT_EQ(Exists(RegRoot::CurrentUser, key + row.asked), row.same) << n;
        EXPECT_EQ(ReadString(RegRoot::CurrentUser, key + row.written, row.asked),
                  row.same ? "value" : "(missing)")
            << n;
    }
    // A second write under another spelling replaces the value and keeps one key.
    const std::string key = sandbox::Key() + "\\Ключ";
    WriteString(RegRoot::CurrentUser, key, "Значение", "first");
    WriteString(RegRoot::CurrentUser, sandbox::Key() + "\\КЛЮЧ", "ЗНАЧЕНИЕ", "second");
    EXPECT_EQ(ReadString(RegRoot::CurrentUser, key, "значение"), "second");
}

TEST_F(RegistryContract, OpeningCreatesOnlyWhenAskedAndMakesTheMissingParents) {
    const std::string leaf = sandbox::Key() + "\\A\\B\\C";
    RegKey key = 12345;
    EXPECT_EQ(RegOpen(RegRoot::CurrentUser, leaf, kKeyRead, false, &key), kErrorFileNotFound);
    EXPECT_EQ(key, kNoKey);
    EXPECT_FALSE(Exists(RegRoot::CurrentUser, sandbox::Key()));
    ASSERT_EQ(RegOpen(RegRoot::CurrentUser, leaf + "\\", kKeyAllAccess, true, &key), kSuccess);
    RegClose(key);
    EXPECT_TRUE(Exists(RegRoot::CurrentUser, sandbox::Key() + "\\A"));
    EXPECT_TRUE(Exists(RegRoot::CurrentUser, leaf + "\\"));
}

TEST_F(RegistryContract, AKeyOpenedForReadingRefusesWrites) {
    WriteString(RegRoot::CurrentUser, sandbox::Key(), "Name", "old");
    RegKey key = Open(RegRoot::CurrentUser, sandbox::Key(), kKeyRead);
    ASSERT_NE(key, kNoKey);
    EXPECT_EQ(RegWriteString(key, "Name", "new"), kErrorAccessDenied);
    EXPECT_EQ(RegWriteDword(key, "Number", 1), kErrorAccessDenied);
    RegClose(key);
    EXPECT_EQ(ReadString(RegRoot::CurrentUser, sandbox::Key(), "Name"), "old");
}

TEST_F(RegistryContract, MachineSoftwareHasAThirtyTwoBitViewUnderItsNode) {
    if (!sandbox::RegistryHasTwoViews()) GTEST_SKIP() << "a 32-bit system has one view only";
    const std::string key = sandbox::Key();
    WriteString(RegRoot::LocalMachine, key, "View", "32");
    EXPECT_FALSE(Exists(RegRoot::LocalMachine, key, kKeyWow64_64Key));
    EXPECT_EQ(ReadString(RegRoot::LocalMachine, InNode(key), "View", kKeyWow64_64Key), "32");
    // Naming the node from the 32-bit view reaches the same key, not a node in the node.
    EXPECT_EQ(ReadString(RegRoot::LocalMachine, InNode(key, "wow6432node"), "View"), "32");
    // Folded like any other name: "software" is redirected too.
    EXPECT_EQ(ReadString(RegRoot::LocalMachine, "software" + key.substr(8), "View"), "32");

    WriteString(RegRoot::LocalMachine, key, "View", "64", kKeyWow64_64Key);
    EXPECT_EQ(ReadString(RegRoot::LocalMachine, key, "View", kKeyWow64_64Key), "64");
    EXPECT_EQ(ReadString(RegRoot::LocalMachine, key, "View"), "32");

    // The user's Software has one view.
    WriteString(RegRoot::CurrentUser, key, "View", "user");
    EXPECT_EQ(ReadString(RegRoot::CurrentUser, key, "View", kKeyWow64_64Key), "user");
    EXPECT_FALSE(Exists(RegRoot::CurrentUser, InNode(key), kKeyWow64_64Key));
}

TEST_F(RegistryContract, TreeDeletionTakesTheKeyOfItsViewWithAllBelowAndSparesTheRest) {
    const std::string product = sandbox::Key() + "\\Norvelik";
    for (const char* sub : {"", "\\A", "\\A\\B", "\\C"}) {
        WriteString(RegRoot::CurrentUser, product + sub, "Value", "x");
    }
    WriteString(RegRoot::CurrentUser, product + "Other", "Value", "x");  // same start, not below
    EXPECT_EQ(RegDeleteTree(RegRoot::CurrentUser, product + "\\", kKeyAllAccess), kSuccess);
    EXPECT_FALSE(Exists(RegRoot::CurrentUser, product + "\\A\\B"));
    EXPECT_FALSE(Exists(RegRoot::CurrentUser, product));
    EXPECT_TRUE(Exists(RegRoot::CurrentUser, product + "Other"));
    EXPECT_EQ(RegDeleteTree(RegRoot::CurrentUser, product, kKeyAllAccess), kErrorFileNotFound);

    // An empty path would name the root itself: refused, and the root keeps its keys.
    EXPECT_NE(RegDeleteTree(RegRoot::CurrentUser, "", kKeyAllAccess), kSuccess);
    EXPECT_NE(RegDeleteTree(RegRoot::CurrentUser, "\\", kKeyAllAccess), kSuccess);
    EXPECT_TRUE(Exists(RegRoot::CurrentUser, product + "Other"));

    if (!sandbox::RegistryHasTwoViews()) return;
    WriteString(RegRoot::LocalMachine, product, "View", "64", kKeyWow64_64Key);
    WriteString(RegRoot::LocalMachine, product, "View", "32");
    EXPECT_EQ(RegDeleteTree(RegRoot::LocalMachine, product, kKeyAllAccess | kKeyWow64_64Key),
              kSuccess);
    EXPECT_FALSE(Exists(RegRoot::LocalMachine, product, kKeyWow64_64Key));
    EXPECT_EQ(ReadString(RegRoot::LocalMachine, product, "View"), "32");
    EXPECT_EQ(RegDeleteTree(RegRoot::LocalMachine, product, kKeyAllAccess), kSuccess);
    EXPECT_FALSE(Exists(RegRoot::LocalMachine, product));
}

// A link at the key asked for is neither followed nor replaced, whichever the
// root, the view and what is asked; a link leading nowhere makes nothing
// where it leads. What a link leads to keeps its values and subkeys.
TEST_F(RegistryContract, ALinkIsRefusedWhereItIsTheKeyOpenedCreatedOrDeleted) {
    const std::string target = sandbox::Key() + "\\Target";
    const std::string nowhere = sandbox::Key() + "\\Nowhere";
    WriteString(RegRoot::LocalMachine, target, "Mine", "target", kKeyWow64_64Key);
    WriteString(RegRoot::LocalMachine, target + "\\Sub", "Mine", "sub", kKeyWow64_64Key);

    enum class Ask { Read, Write, Create, Delete };
    struct Row {
        const char* what;
        RegRoot root;
        std::uint32_t view;
        Ask ask;
        bool leadsNowhere;
    };
    const Row rows[] = {
        {"opened for reading", RegRoot::LocalMachine, kKeyWow64_64Key, Ask::Read, false},
        {"opened for writing", RegRoot::LocalMachine, kKeyWow64_64Key, Ask::Write, false},
        {"created", RegRoot::LocalMachine, kKeyWow64_64Key, Ask::Create, false},
        {"deleted", RegRoot::LocalMachine, kKeyWow64_64Key, Ask::Delete, false},
        {"32-bit view, opened for reading", RegRoot::LocalMachine, 0, Ask::Read, false},
        {"32-bit view, created", RegRoot::LocalMachine, 0, Ask::Create, false},
        {"32-bit view, deleted", RegRoot::LocalMachine, 0, Ask::Delete, false},
        {"the user's, created", RegRoot::CurrentUser, 0, Ask::Create, false},
        {"the user's, deleted", RegRoot::CurrentUser, 0, Ask::Delete, false},
        {"leading nowhere, opened for reading", RegRoot::LocalMachine, kKeyWow64_64Key, Ask::Read,
         true},
        {"leading nowhere, created", RegRoot::LocalMachine, kKeyWow64_64Key, Ask::Create, true},
        {"leading nowhere, deleted", RegRoot::LocalMachine, kKeyWow64_64Key, Ask::Delete, true},
    };
    int n = 0;
    for (const Row& row : rows) {
        const std::string link = sandbox::Key() + "\\Link" + std::to_string(++n);
        sandbox::MakeLink(row.root, link, row.view, row.leadsNowhere ? nowhere : target);
        ErrorCode e = kSuccess;
        RegKey key = kNoKey;
        switch (row.ask) {
            case Ask::Read:
                e = RegOpen(row.root, link, kKeyRead | row.view, false, &key);
                break;
            case Ask::Write:
                e = RegOpen(row.root, link, kKeyAllAccess | row.view, false, &key);
                break;
            case Ask::Create:
                e = RegOpen(row.root, link + "\\", kKeyAllAccess | row.view, true, &key);
                break;
            case Ask::Delete:
                e = RegDeleteTree(row.root, link, kKeyAllAccess | row.view);
                break;
        }
        EXPECT_EQ(e, kErrorStoppedOnSymlink) << row.what;
        EXPECT_EQ(key, kNoKey) << row.what;
        RegClose(key);
        EXPECT_TRUE(sandbox::IsLink(row.root, link, row.view)) << row.what;
    }
    EXPECT_EQ(ReadString(RegRoot::LocalMachine, target, "Mine", kKeyWow64_64Key), "target");
    EXPECT_EQ(ReadString(RegRoot::LocalMachine, target + "\\Sub", "Mine", kKeyWow64_64Key), "sub");
    EXPECT_FALSE(Exists(RegRoot::LocalMachine, nowhere, kKeyWow64_64Key));

    // A link on the way to the key asked for is followed, as for every program.
    EXPECT_EQ(
        ReadString(RegRoot::LocalMachine, sandbox::Key() + "\\Link1\\Sub", "Mine", kKeyWow64_64Key),
        "sub");
}

// Deleting a tree takes a link inside it as the link key: what the link leads
// to, even a key of the same tree's root, keeps its values and subkeys.
TEST_F(RegistryContract, TreeDeletionRemovesALinkBelowAsTheLinkAndSparesWhatItLeadsTo) {
    const std::string target = sandbox::Key() + "\\Target";
    WriteString(RegRoot::LocalMachine, target, "Mine", "target", kKeyWow64_64Key);
    WriteString(RegRoot::LocalMachine, target + "\\Sub", "Mine", "sub", kKeyWow64_64Key);
    struct Row {
        const char* what;
        RegRoot root;
        std::uint32_t view;
    };
    const Row rows[] = {
        {"64-bit view", RegRoot::LocalMachine, kKeyWow64_64Key},
        {"32-bit view", RegRoot::LocalMachine, 0},
        {"the user's", RegRoot::CurrentUser, 0},
    };
    for (const Row& row : rows) {
        const std::string tree = sandbox::Key() + "\\Norvelik";
        WriteString(row.root, tree, "Value", "x", row.view);
        WriteString(row.root, tree + "\\Plain", "Value", "x", row.view);
        sandbox::MakeLink(row.root, tree + "\\Link", row.view, target);
        sandbox::MakeLink(row.root, tree + "\\Plain\\Deeper", row.view, target + "\\Sub");

        EXPECT_EQ(RegDeleteTree(row.root, tree, kKeyAllAccess | row.view), kSuccess) << row.what;
        EXPECT_FALSE(Exists(row.root, tree, row.view)) << row.what;
        EXPECT_FALSE(sandbox::IsLink(row.root, tree + "\\Link", row.view)) << row.what;
        EXPECT_EQ(ReadString(RegRoot::LocalMachine, target, "Mine", kKeyWow64_64Key), "target")
            << row.what;
        EXPECT_EQ(ReadString(RegRoot::LocalMachine, target + "\\Sub", "Mine", kKeyWow64_64Key),
                  "sub")
            << row.what;
    }
}
