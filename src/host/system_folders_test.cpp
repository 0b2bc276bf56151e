#include "host/system_folders.h"

#include "fake_platform.h"
#include "fake_text_code_page.h"
#include "host/common_unit.h"
#include "host/registry_object.h"
#include "host/windows_version.h"
#include "installation/installer_state.h"
#include "installation/product_identity.h"

namespace {

const char kMachineCurrentVersion[] = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion";
const char kMachineShellFolders[] =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kUserShellFolders[] =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kNativeEntry[] =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";
const char kWow64Entry[] =
    "HKLM\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";

const char kUserPrograms[] = "C:\\Users\\u\\Start Menu\\Programs";
const char kCommonPrograms[] = "C:\\ProgramData\\Start Menu\\Programs";

// A 64-bit Windows 7 with the usual folders, as the native view shows them;
// the 32-bit view holds different values that must not be read.
void UsualMachine() {
    fake::FakeRegistry& r = fake::Registry();
    r.SetString(kMachineCurrentVersion, "ProgramFilesDir", "C:\\Program Files");
    r.SetString("HKLM\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion",
                "ProgramFilesDir", "C:\\Program Files (x86)");
    r.SetString(kMachineShellFolders, "Common Desktop", "C:\\Users\\Public\\Desktop");
    r.SetString(kMachineShellFolders, "Common Programs", kCommonPrograms);
    r.SetString(kUserShellFolders, "Programs", kUserPrograms);
}

}  // namespace

class SystemFoldersTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        ResetIsWin64();
        StartCommonUnit();  // the default fake: Russian Windows 7 x64
        WriteProductIdentity();
        UsualMachine();
    }
    void TearDown() override { ShutdownCommonUnit(); }
};

TEST_F(SystemFoldersTest, FreshMachineGetsTheDefaultFolderAndTheAllUsersStartMenu) {
    ASSERT_TRUE(ReadSystemFolders());
    const InstallerState& s = State();
    EXPECT_TRUE(s.IsAdmin);
    EXPECT_EQ(s.ProgramFolder, "C:\\Program Files\\Norvelik\\");
    EXPECT_EQ(s.CommonDesktopFolder, "C:\\Users\\Public\\Desktop\\");
    EXPECT_EQ(s.CommonProgramsFolder, std::string(kCommonPrograms) + "\\");
    EXPECT_EQ(s.ProgramsFolder, std::string(kUserPrograms) + "\\");
    EXPECT_EQ(s.StartMenuFolder, std::string(kCommonPrograms) + "\\Норвелик\\");
    EXPECT_EQ(s.UserStartMenuFolderRu, std::string(kUserPrograms) + "\\Норвелик\\");
    EXPECT_EQ(s.UserStartMenuFolderEn, std::string(kUserPrograms) + "\\Норвелик\\");
    EXPECT_EQ(s.UninstallKey, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\");
    EXPECT_EQ(s.Wow64UninstallKey, "");
    EXPECT_EQ(fake::Registry().openKeys(), 0);
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
}

TEST_F(SystemFoldersTest, EarlierInstallationBecomesTheDefaultFolder) {
    enum Link { kNoLink, kNativeLink, kWow64Link, kBothLinks };
    struct Row {
        const char* what;
        const char* nativeValue;  // nullptr: no entry
        const char* wow64Value;
        const char* programFolder;
        const char* wow64Key;
        // An entry that is a link holds no value: the key it leads to does.
        Link link = kNoLink;
    } rows[] = {
        {"none", nullptr, nullptr, "C:\\Program Files\\Norvelik\\", ""},
        {"native view", "D:\\Apps\\Norvelik\\uninstall.exe", nullptr, "D:\\Apps\\Norvelik\\", ""},
        {"32-bit node only", nullptr, "D:\\Apps\\Norvelik\\uninstall.exe", "D:\\Apps\\Norvelik\\",
         "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik"},
        {"both", "D:\\Native\\uninstall.exe", "E:\\Wow\\uninstall.exe", "D:\\Native\\", ""},
        {"ends in a backslash", "D:\\Apps\\Old\\", nullptr, "D:\\Apps\\", ""},
        {"quoted with arguments", "\"C:\\Program Files\\Norvelik\\uninstall.exe\" /S", nullptr,
         "C:\\Program Files\\Norvelik\\", ""},
        {"native names no folder", "uninstall.exe", "E:\\Wow\\uninstall.exe", "E:\\Wow\\",
         "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik"},
        {"empty everywhere", "", "", "C:\\Program Files\\Norvelik\\", ""},
        // An entry that is a registry link is no earlier installation, and the
        // one under the 32-bit node is not taken to be deleted later.
        {"native view a link", "D:\\Apps\\Norvelik\\uninstall.exe", nullptr,
         "C:\\Program Files\\Norvelik\\", "", kNativeLink},
        {"32-bit node a link", nullptr, "D:\\Apps\\Norvelik\\uninstall.exe",
         "C:\\Program Files\\Norvelik\\", "", kWow64Link},
        {"native view a link, 32-bit node real", "D:\\Native\\uninstall.exe",
         "E:\\Wow\\uninstall.exe", "E:\\Wow\\",
         "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik",
         kNativeLink},
        {"both links", "D:\\Native\\uninstall.exe", "E:\\Wow\\uninstall.exe",
         "C:\\Program Files\\Norvelik\\", "", kBothLinks},
    };
    for (const Row& r : rows) {
        fake::Registry().Reset();
        UsualMachine();
        State().Wow64UninstallKey = "stale";
        const char* nativeKey = kNativeEntry;
        const char* wow64Key = kWow64Entry;
        if (r.link == kNativeLink || r.link == kBothLinks) {
            nativeKey = "HKLM\\Software\\Other\\Native";
            fake::Registry().MakeLink(kNativeEntry, nativeKey);
        }
        if (r.link == kWow64Link || r.link == kBothLinks) {
            wow64Key = "HKLM\\Software\\Other\\Wow64";
            fake::Registry().MakeLink(kWow64Entry, wow64Key);
        }
        if (r.nativeValue) fake::Registry().SetString(nativeKey, "UninstallString", r.nativeValue);
        if (r.wow64Value) fake::Registry().SetString(wow64Key, "UninstallString", r.wow64Value);
        ASSERT_TRUE(ReadSystemFolders()) << r.what;
        EXPECT_EQ(State().ProgramFolder, r.programFolder) << r.what;
        EXPECT_EQ(State().Wow64UninstallKey, r.wow64Key) << r.what;
        EXPECT_EQ(fake::Registry().openKeys(), 0) << r.what;
    }
}

TEST_F(SystemFoldersTest, MissingValuesLeaveFoldersEmptyOrFallBack) {
    fake::Registry().Reset();
    fake::Registry().SetString(kUserShellFolders, "Programs", kUserPrograms);
    ASSERT_TRUE(ReadSystemFolders());
    const InstallerState& s = State();
    // Without a program-files folder the product folder is relative.
    EXPECT_EQ(s.ProgramFolder, "Norvelik\\");
    EXPECT_EQ(s.CommonDesktopFolder, "");
    EXPECT_EQ(s.CommonProgramsFolder, std::string(kUserPrograms) + "\\");
    EXPECT_EQ(s.StartMenuFolder, std::string(kUserPrograms) + "\\Норвелик\\");

    // Nothing at all: the Start-menu folder is relative too.
    fake::Registry().Reset();
    State().ProgramsFolder.clear();
    State().CommonProgramsFolder.clear();
    ASSERT_TRUE(ReadSystemFolders());
    EXPECT_EQ(State().ProgramsFolder, "");
    EXPECT_EQ(State().StartMenuFolder, "Норвелик\\");
}

// A value written wide by the system or another program may hold a character
// the ANSI code page lacks (a user's name in another script). The setup then
// takes it as missing, silently, as if the value were not there: a look-alike
// ("René" as "Rene") would name another user's folder. The uninstaller's UTF-8
// holds it whole.
TEST_F(SystemFoldersTest, ValuesTheCodePageCannotHoldReadAsMissing) {
    // UTF-8 of letters Windows-1251 lacks: é, Ω, Ŝ, Ł.
    const std::string e = "\xC3\xA9", omega = "\xCE\xA9", s = "\xC5\x9C", l = "\xC5\x81";
    const std::string rene = "C:\\Users\\Ren" + e + "\\Start Menu\\Programs";
    const std::string lena = fake::UnicodeOf("C:\\Users\\Лена\\Programs");
    const std::string user = std::string(kUserPrograms) + "\\";
    const std::string common = std::string(kCommonPrograms) + "\\";
    const std::string desktop = "C:\\Users\\Public\\Desktop\\";
    const std::string programs = "C:\\Program Files\\Norvelik\\";
    struct Row {
        const char* key;
        const char* name;
        std::string value;  // UTF-8, written wide
        bool utf8;          // in the uninstaller's text code page
        std::string programsFolder;
        std::string commonPrograms;
        std::string commonDesktop;
        std::string programFolder;
    } rows[] = {
        {kUserShellFolders, "Programs", rene, false, "", common, desktop, programs},
        {kUserShellFolders, "Programs", rene, true, rene + "\\", common, desktop, programs},
        // Written wide, held by the code page: read as any other value.
        {kUserShellFolders, "Programs", lena, false, "C:\\Users\\Лена\\Programs\\", common, desktop,
         programs},
        {kMachineShellFolders, "Common Desktop", "C:\\Users\\Public\\Desktop " + omega, false, user,
         common, "", programs},
        {kMachineShellFolders, "Common Programs", "C:\\ProgramData\\" + s + "\\Programs", false,
         user, user, desktop, programs},
        {kMachineCurrentVersion, "ProgramFilesDir", "C:\\Programmes " + l, false, user, common,
         desktop, "Norvelik\\"},
        {kNativeEntry, "UninstallString", "D:\\Ren" + e + "\\Norvelik\\uninstall.exe", false, user,
         common, desktop, programs},
    };
    for (const Row& r : rows) {
        const int row = static_cast<int>(&r - rows);
        fake::Registry().Reset();
        fake::MessageBoxes().Reset();
        platform::UseTextCodePage(r.utf8 ? platform::TextCodePage::Utf8
                                         : platform::TextCodePage::Ansi);
        const std::string title = State().ShortTitleRu + "\\";
        UsualMachine();
        fake::Registry().SetUnicodeString(r.key, r.name, r.value);

        ASSERT_TRUE(ReadSystemFolders()) << row;
        const InstallerState& st = State();
        const std::string userStartMenu = r.programsFolder.empty() ? "" : r.programsFolder + title;
        EXPECT_EQ(st.ProgramsFolder, r.programsFolder) << row;
        EXPECT_EQ(st.UserStartMenuFolderRu, userStartMenu) << row;
        EXPECT_EQ(st.UserStartMenuFolderEn, userStartMenu) << row;
        EXPECT_EQ(st.CommonProgramsFolder, r.commonPrograms) << row;
        EXPECT_EQ(st.StartMenuFolder, r.commonPrograms + title) << row;
        EXPECT_EQ(st.CommonDesktopFolder, r.commonDesktop) << row;
        EXPECT_EQ(st.ProgramFolder, r.programFolder) << row;
        EXPECT_TRUE(fake::MessageBoxes().shown.empty()) << row;
        EXPECT_EQ(fake::Registry().openKeys(), 0) << row;
    }
}

TEST_F(SystemFoldersTest, Windows9xHasNoAllUsersStartMenu) {
    fake::SystemInfo().version = {4, 10, 2222, 1, " A ", 0, 0, 0, 0};
    ASSERT_TRUE(ReadSystemFolders());
    EXPECT_EQ(State().CommonProgramsFolder, std::string(kUserPrograms) + "\\");
    EXPECT_EQ(State().StartMenuFolder, std::string(kUserPrograms) + "\\Норвелик\\");
    EXPECT_EQ(State().CommonDesktopFolder, "C:\\Users\\Public\\Desktop\\");
}

TEST_F(SystemFoldersTest, UnreadableUserFoldersStopWithTheRegistryMessage) {
    struct Row {
        bool russian;
        const char* text;
        bool extended;
    } rows[] = {
        {true, "Нет доступа к системному реестру", true},
        {false, "No access to system registry", false},
    };
    for (const Row& r : rows) {
        fake::MessageBoxes().Reset();
        State().IsRussian = r.russian;
        State().UninstallKey.clear();
        fake::Registry().SetDword(kUserShellFolders, "Programs", 1);

        EXPECT_FALSE(ReadSystemFolders());
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
        const fake::ShownBox& box = fake::MessageBoxes().shown[0];
        EXPECT_EQ(box.text, r.text);
        EXPECT_EQ(box.caption, "Норвелик");
        EXPECT_EQ(box.style, 0x200010u);
        EXPECT_EQ(box.extended, r.extended);
        EXPECT_EQ(fake::Registry().openKeys(), 0);
        EXPECT_EQ(State().UninstallKey, "") << "later steps must not run";
    }
}

TEST_F(SystemFoldersTest, MachineWideReadErrorsAreNotSwallowed) {
    struct Row {
        const char* key;
        const char* value;
    } rows[] = {
        {kMachineCurrentVersion, "ProgramFilesDir"},
        {kMachineShellFolders, "Common Desktop"},
        {kMachineShellFolders, "Common Programs"},
    };
    for (const Row& r : rows) {
        fake::Registry().Reset();
        UsualMachine();
        fake::Registry().SetOther(r.key, r.value);
        EXPECT_THROW(ReadSystemFolders(), RegistryError) << r.value;
        EXPECT_EQ(fake::Registry().openKeys(), 0) << r.value;
        EXPECT_TRUE(fake::MessageBoxes().shown.empty());
    }
}

TEST_F(SystemFoldersTest, UserWithoutRightsSeesMachineKeysAsMissing) {
    fake::SystemInfo().admin = false;
    fake::Registry().hklmReadOnly = true;
    fake::Registry().SetString(kNativeEntry, "UninstallString",
                               "D:\\Apps\\Norvelik\\uninstall.exe");
    ASSERT_TRUE(ReadSystemFolders());
    EXPECT_FALSE(State().IsAdmin);
    EXPECT_EQ(State().ProgramFolder, "Norvelik\\");
    EXPECT_EQ(State().CommonDesktopFolder, "");
    EXPECT_EQ(State().ProgramsFolder, std::string(kUserPrograms) + "\\");
}

TEST(FolderOfUninstallStringTest, TakesTheFolderBeforeTheLastCharacter) {
    struct Row {
        const char* value;
        const char* folder;  // nullptr: names no folder
    } rows[] = {
        {"C:\\Games\\Norvelik\\uninstall.exe", "C:\\Games\\Norvelik\\"},
        {"D:\\Apps\\Old\\", "D:\\Apps\\"},
        {"\"C:\\Program Files\\Norvelik\\uninstall.exe\"", "C:\\Program Files\\Norvelik\\"},
        {"\"C:\\Program Files\\Norvelik\\uninstall.exe\" /S", "C:\\Program Files\\Norvelik\\"},
        {"\"C:\\Program Files\\Norvelik\\uninstall.exe", "C:\\Program Files\\Norvelik\\"},
        {"\"uninstall.exe\" /dir=C:\\x\\y", nullptr},
        {"C:\\u.exe /S", "C:\\"},
        {"\\x", "\\"},
        {"uninstall.exe", nullptr},
        {"C:\\", nullptr},
        {"\\", nullptr},
        {"\"\"", nullptr},
        {"\"", nullptr},
        {"", nullptr},
    };
    for (const Row& r : rows) {
        std::string folder = "unchanged";
        EXPECT_EQ(FolderOfUninstallString(r.value, &folder), r.folder != nullptr) << r.value;
        EXPECT_EQ(folder, r.folder ? r.folder : "unchanged") << r.value;
    }
}
