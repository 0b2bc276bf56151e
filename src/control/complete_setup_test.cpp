#include "control/complete_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "host/common_unit.h"
#include "host/registry_object.h"
#include "host/system_folders.h"
#include "installation/installer_state.h"
#include "installation/product_file_list.h"
#include "installation_fixture.h"

namespace {

constexpr const char* kInstalled = "На Ваш компьютер установлена программа \"Норвелик\" 1500.";
constexpr const char* kDesktopSentence =
    "\r\n\r\nНа \"Рабочий стол\" помещён ярлык программы,\r\n"
    "который Вы можете без вреда удалить или переместить.";

constexpr platform::WindowHandle kMainWindow = 0x4242;

class CompleteSetupTest : public InstallationTest {
  protected:
    void SetUp() override {
        InstallationTest::SetUp();
        State().InstallConfirmed = true;
    }

    // The product's marker appears just before its `markerTest`-th test, its
    // window just before the `windowSearch`-th search after that; 0: never.
    static void ProductAppears(int markerTest, int windowSearch) {
        fake::Clock().afterSleep = [=](std::size_t sleeps) {
            const int n = static_cast<int>(sleeps);
            if (markerTest != 0 && n == markerTest) {
                fake::Processes().mappings.insert("norvelik_memfile");
            }
            if (markerTest != 0 && windowSearch != 0 && n == markerTest + windowSearch) {
                fake::Processes().windowsByClass["TNVMainForm"] = kMainWindow;
            }
        };
    }
};

TEST_F(CompleteSetupTest, DoesNothingWhenTheFormWasNotConfirmed) {
    State().InstallConfirmed = false;
    State().RunAfterInstall = true;
    CompleteSetup();
    EXPECT_EQ(fake::FileSet().calls, 0);
    EXPECT_EQ(State().FileList, "");
    EXPECT_FALSE(fake::Registry().KeyExists(fake::kProductKey));
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
    EXPECT_TRUE(fake::Shell().opened.empty());
}

TEST_F(CompleteSetupTest, HandsTheProductsFileListToTheInstallation) {
    CompleteSetup();
    EXPECT_EQ(fake::FileSet().calls, 1);
    EXPECT_EQ(fake::FileSet().fileListSeen, ProductFileList("Norvelik"));
}

TEST_F(CompleteSetupTest, ClosesAKeyLeftOpenOnceConfirmed) {
    // A refused registration opens no key of its own, so what stays open is
    // what the installation found.
    State().IsAdmin = false;
    fake::Registry().CreateKey("HKCU\\Software\\Leftover");
    for (bool confirmed : {false, true}) {
        Reg().OpenKey("Software\\Leftover", false);
        State().InstallConfirmed = confirmed;
        CompleteSetup();
        EXPECT_EQ(Reg().HasOpenKey(), !confirmed);
        EXPECT_EQ(fake::Registry().openKeys(), confirmed ? 0 : 1);
    }
}

// Russian in both modes, with the Russian buttons; the desktop sentence only
// where the shortcut was made.
TEST_F(CompleteSetupTest, ShowsTheCompletionMessage) {
    struct Row {
        bool russian;
        bool desktopIcon;
        bool desktopFolder;
        std::string text;
        bool shortcutsFail = false;
    } rows[] = {
        {true, false, true, kInstalled},
        {true, true, true, std::string(kInstalled) + kDesktopSentence},
        {false, false, true, kInstalled},
        {false, true, true, std::string(kInstalled) + kDesktopSentence},
        {true, true, false, kInstalled},
        // Asked for, but the shortcut could not be saved.
        {true, true, true, kInstalled, true},
    };
    for (const Row& r : rows) {
        SetUp();
        State().IsRussian = r.russian;
        State().CreateDesktopIcon = r.desktopIcon;
        if (!r.desktopFolder) State().CommonDesktopFolder = "";
        fake::Shell().linkSaveFails = r.shortcutsFail;
        CompleteSetup();
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
        const fake::ShownBox& box = fake::MessageBoxes().shown[0];
        EXPECT_EQ(box.text, r.text);
        EXPECT_EQ(box.caption, "Норвелик");
        EXPECT_EQ(box.style, 0x42040u);
        EXPECT_TRUE(box.extended);
        EXPECT_EQ(box.language, 0x19);
        EXPECT_EQ(fake::Files().HasFile("C:\\Users\\Public\\Desktop\\Норвелик.lnk"),
                  r.desktopIcon && r.desktopFolder && !r.shortcutsFail);
    }
}

// Folders read from the registry whose names the ANSI code page cannot hold
// (é, Ω) are absent, not look-alikes: another user's "Rene" Start-menu folder
// stays whole, and a desktop spelt with Ω gets no shortcut and no word of one.
TEST_F(CompleteSetupTest, FolderValuesTheCodePageCannotHoldNameNothingToChange) {
    const char kMachine[] = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion";
    const char kMachineFolders[] =
        "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const char kUserFolders[] =
        "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    const std::string otherUsers = "C:\\Users\\Rene\\Start Menu\\Programs\\Норвелик\\Норвелик.lnk";
    struct Row {
        const char* key;
        const char* name;
        std::string value;  // UTF-8, written wide
        bool desktopShortcut;
        std::string text;
    } rows[] = {
        {kUserFolders, "Programs", "C:\\Users\\Ren\xC3\xA9\\Start Menu\\Programs", true,
         std::string(kInstalled) + kDesktopSentence},
        {kMachineFolders, "Common Desktop", "C:\\Users\\Public\\Desktop \xCE\xA9", false,
         kInstalled},
    };
    for (const Row& r : rows) {
        SetUp();
        const int row = static_cast<int>(&r - rows);
        fake::Registry().SetString(kMachine, "ProgramFilesDir", "C:\\Program Files");
        fake::Registry().SetString(kMachineFolders, "Common Desktop", "C:\\Users\\Public\\Desktop");
        fake::Registry().SetString(kMachineFolders, "Common Programs",
                                   "C:\\ProgramData\\Start Menu\\Programs");
        fake::Registry().SetString(kUserFolders, "Programs",
                                   "C:\\Users\\Lena\\Start Menu\\Programs");
        fake::Registry().SetUnicodeString(r.key, r.name, r.value);
        fake::Files().AddFile(otherUsers, "another user's");
        State().CreateDesktopIcon = true;
        ASSERT_TRUE(ReadSystemFolders()) << row;
        CompleteSetup();

        EXPECT_EQ(fake::Files().Bytes(otherUsers), "another user's") << row;
        // Nothing was made, written or deleted in another user's folders.
        for (const std::string& call : fake::Files().journal) {
            EXPECT_EQ(call.find("\\Users\\Rene\\"), std::string::npos) << row << ": " << call;
        }
        EXPECT_EQ(fake::FileNamesIn(State().StartMenuFolder),
                  (std::vector<std::string>{"Program's website.url", "Uninstall the program.lnk",
                                            "Норвелик.lnk"}))
            << row;
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u) << row;
        EXPECT_EQ(fake::MessageBoxes().shown[0].text, r.text) << row;
        EXPECT_EQ(fake::Files().HasFile("C:\\Users\\Public\\Desktop\\Норвелик.lnk"),
                  r.desktopShortcut)
            << row;
        // Nor beside the setup, where a relative path would have put it.
        EXPECT_TRUE(fake::FileNamesIn("C:\\Setup").empty()) << row;
    }
}

TEST_F(CompleteSetupTest, FailedInstallationShowsNoCompletionAndStartsNothing) {
    State().RunAfterInstall = true;
    fake::FileSet().result = false;
    CompleteSetup();
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
    EXPECT_TRUE(fake::Shell().opened.empty());

    SetUp();
    State().RunAfterInstall = true;
    State().IsAdmin = false;
    CompleteSetup();
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);  // the rights message alone
    EXPECT_EQ(fake::MessageBoxes().shown[0].style, 0x200010u);
    EXPECT_TRUE(fake::Shell().opened.empty());
}

TEST_F(CompleteSetupTest, StartsNothingUnlessAsked) {
    CompleteSetup();
    EXPECT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_TRUE(fake::Shell().opened.empty());
    EXPECT_EQ(fake::Processes().probes, 0);
    EXPECT_TRUE(fake::Clock().sleeps.empty());
}

TEST_F(CompleteSetupTest, StartsTheProductFromItsFolder) {
    State().RunAfterInstall = true;
    CompleteSetup();
    ASSERT_EQ(fake::Shell().opened.size(), 1u);
    const fake::OpenedFile& opened = fake::Shell().opened[0];
    EXPECT_EQ(opened.file, "C:\\Program Files\\Norvelik\\Norvelik.exe");
    EXPECT_EQ(opened.parameters, "");
    EXPECT_EQ(opened.workingFolder, "");
    EXPECT_EQ(opened.showCommand, 1);
    EXPECT_EQ(fake::Files().workingFolder, "C:\\Program Files\\Norvelik\\");
}

TEST_F(CompleteSetupTest, WaitsForTheMarkerThenTheWindowAndBringsItForward) {
    struct Row {
        const char* what;
        int markerTest;    // 0: never
        int windowSearch;  // 0: never
        int probes;
        int windowSearches;
        bool shown;
    } rows[] = {
        {"both at once", 1, 1, 1, 1, true},
        {"marker at the last test", 8, 3, 8, 3, true},
        {"window at the last search", 2, 11, 2, 11, true},
        {"both at the last moment", 8, 11, 8, 11, true},
        {"no marker", 0, 0, 8, 0, false},
        {"no window", 4, 0, 4, 11, false},
    };
    for (const Row& r : rows) {
        SetUp();
        State().RunAfterInstall = true;
        ProductAppears(r.markerTest, r.windowSearch);
        CompleteSetup();

        EXPECT_EQ(fake::Processes().probes, r.probes) << r.what;
        EXPECT_EQ(fake::Processes().windowSearches, r.windowSearches) << r.what;
        using Shown = std::vector<std::pair<platform::WindowHandle, int>>;
        using Brought = std::vector<platform::WindowHandle>;
        const Shown shownNormal{{kMainWindow, 1}};
        EXPECT_EQ(fake::Processes().showCalls, r.shown ? shownNormal : Shown{}) << r.what;
        EXPECT_EQ(fake::Processes().foregroundCalls, r.shown ? Brought{kMainWindow} : Brought{})
            << r.what;

        // A pause before every test and every search, never more than both waits.
        std::vector<std::uint32_t> pauses(r.probes, 512);
        pauses.insert(pauses.end(), r.windowSearches, 1024);
        EXPECT_EQ(fake::Clock().sleeps, pauses) << r.what;
        const std::uint32_t total = std::accumulate(fake::Clock().sleeps.begin(),
                                                    fake::Clock().sleeps.end(), std::uint32_t{0});
        EXPECT_LE(total, 8u * 512 + 11u * 1024) << r.what;
    }
}

}  // namespace

// Files that could not be installed (held by a program, a damaged item, a
// full disk) are named instead of the success sentence, in the mode's
// language; the registration stays, and the product starts only when its own
// executable is the new one.
TEST_F(CompleteSetupTest, AnIncompleteInstallationIsToldAsSuch) {
    struct Row {
        bool russian;
        std::vector<std::string> notInstalled;
        std::string text;
        bool started;
    } rows[] = {
        {true,
         {"Norvelik.exe", "nvf.cok"},
         "Программа \"Норвелик\" 1500 установлена не полностью: не удалось установить эти её "
         "файлы:\r\n"
         "C:\\Program Files\\Norvelik\\Norvelik.exe\r\n"
         "C:\\Program Files\\Norvelik\\nvf.cok\r\n"
         "Закройте программы, которые их используют, и запустите установку ещё раз.",
         false},
        {false,
         {"nvq3.cok"},
         "\"Норвелик\" 1500 has not been installed completely: these of its files could not be "
         "installed:\r\n"
         "C:\\Program Files\\Norvelik\\nvq3.cok\r\n"
         "Close the programs that use them and run the setup again.",
         true},
    };
    for (const Row& r : rows) {
        SetUp();
        State().IsRussian = r.russian;
        State().RunAfterInstall = true;
        State().CreateDesktopIcon = true;
        fake::FileSet().notInstalled = r.notInstalled;
        CompleteSetup();
        ASSERT_FALSE(fake::MessageBoxes().shown.empty());
        const fake::ShownBox& box = fake::MessageBoxes().shown[0];
        EXPECT_EQ(box.text, r.text);
        EXPECT_EQ(box.style, 0x42030u) << "a warning";
        EXPECT_TRUE(fake::Registry().KeyExists(fake::kProductKey));
        EXPECT_TRUE(fake::Files().HasFile("C:\\Users\\Public\\Desktop\\Норвелик.lnk"));
        EXPECT_EQ(fake::Shell().opened.size() + fake::Shell().openedAsDesktopUser.size(),
                  r.started ? 1u : 0u);
    }
}
