#include "engine/registration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "host/paths.h"
#include "installation/installer_state.h"
#include "installation_fixture.h"
#include "platform/registry_calls.h"

namespace {

using platform::RegValueType;

class RegistrationTest : public InstallationTest {};

struct ExpectedValue {
    const char* name;
    RegValueType type;
    std::string text;
    std::uint32_t number;
};

std::vector<std::string> NamesOf(const std::vector<ExpectedValue>& values) {
    std::vector<std::string> names;
    for (const ExpectedValue& v : values) names.push_back(v.name);
    return names;
}

void ExpectValues(const std::vector<ExpectedValue>& expected) {
    EXPECT_EQ(fake::Registry().ValueNamesInOrder(fake::kProductKey), NamesOf(expected));
    for (const ExpectedValue& e : expected) {
        const fake::RegValue* v = fake::Registry().Value(fake::kProductKey, e.name);
        ASSERT_NE(v, nullptr) << e.name;
        EXPECT_EQ(v->type, e.type) << e.name;
        if (e.type == RegValueType::Dword) {
            EXPECT_EQ(v->number, e.number) << e.name;
        } else {
            EXPECT_EQ(v->text, e.text) << e.name;
        }
    }
}

std::vector<ExpectedValue> EntryOfThisRun(const std::string& publisher) {
    const RegValueType S = RegValueType::String;
    const RegValueType D = RegValueType::Dword;
    return {
        {"DisplayName", S, "Норвелик", 0},
        // Quoted, so that the blank in "Program Files" cannot split the command.
        {"UninstallString", S, "\"C:\\Program Files\\Norvelik\\uninstall.exe\"", 0},
        {"DisplayIcon", S, "C:\\Program Files\\Norvelik\\Norvelik.exe", 0},
        {"DisplayVersion", S, "1500", 0},
        {"VersionMajor", D, "", 1500},
        {"VersionMinor", D, "", 0},
        {"InstallLocation", S, "C:\\Program Files\\Norvelik", 0},
        {"InstallDate", S, "20240305", 0},
        {"Publisher", S, publisher, 0},
        {"URLInfoAbout", S, "https://norvelik.ru", 0},
        {"HelpLink", S, "https://norvelik.ru/Norvelik.htm", 0},
        {"URLUpdateInfo", S, "https://norvelik.ru/Norvelik.htm", 0},
        {"NoModify", D, "", 1},
        {"NoRepair", D, "", 1},
        {"EstimatedSize", D, "", 4},  // 5000 bytes written by the file set
    };
}

TEST_F(RegistrationTest, WritesTheUninstallEntryInOrderInBothModes) {
    struct Row {
        bool russian;
        const char* publisher;
    } rows[] = {{true, "Норвелик Софт"}, {false, "Norvelik Soft"}};
    for (const Row& r : rows) {
        SetUp();
        State().IsRussian = r.russian;
        EXPECT_TRUE(InstallAndRegister(false));
        ExpectValues(EntryOfThisRun(r.publisher));
        // The values come before the file set; the installed size only after it.
        std::vector<std::string> before = NamesOf(EntryOfThisRun(r.publisher));
        before.pop_back();
        EXPECT_EQ(fake::FileSet().valueNamesSeen, before);
        // The 64-bit view holds the entry; nothing landed under the 32-bit node.
        EXPECT_FALSE(fake::Registry().KeyExists(fake::kWow64ProductKey));
        EXPECT_TRUE(fake::MessageBoxes().shown.empty());
        EXPECT_EQ(fake::Registry().openKeys(), 0);
    }
}

TEST_F(RegistrationTest, LeavesOutVersionNumbersThatAreNotSet) {
    struct Row {
        std::int32_t major, minor;
        bool majorWritten, minorWritten;
    } rows[] = {{-1, 0, false, true}, {1500, -1, true, false}, {-1, -1, false, false}};
    for (const Row& r : rows) {
        SetUp();
        State().VersionMajor = r.major;
        State().VersionMinor = r.minor;
        EXPECT_TRUE(InstallAndRegister(false));
        EXPECT_EQ(fake::Registry().HasValue(fake::kProductKey, "VersionMajor"), r.majorWritten);
        EXPECT_EQ(fake::Registry().HasValue(fake::kProductKey, "VersionMinor"), r.minorWritten);
        EXPECT_EQ(fake::Registry().ValueNamesInOrder(fake::kProductKey).size(),
                  13u + r.majorWritten + r.minorWritten);
    }
}

// Whatever keeps the entry from being written, the user hears of missing
// rights, and neither a folder nor a file is touched afterwards. A link at the
// entry's name is never written through: the key it leads to keeps its values.
TEST_F(RegistrationTest, RefusedRegistryShowsRightsMessageAndTouchesNothing) {
    enum class Refusal { NotAdmin, KeyLocked, KeyReadOnly, MachineReadOnly, KeyIsALink };
    const char* elsewhere = "HKLM\\Software\\Other\\Program";
    for (Refusal refusal : {Refusal::NotAdmin, Refusal::KeyLocked, Refusal::KeyReadOnly,
                            Refusal::MachineReadOnly, Refusal::KeyIsALink}) {
        SetUp();
        const InstallerState& s = State();
        fake::Files().AddFile(s.StartMenuFolder + "old.lnk", "old");
        fake::Files().journal.clear();
        fake::Registry().SetString(elsewhere, "DisplayName", "Другая программа");
        switch (refusal) {
            case Refusal::NotAdmin:
                State().IsAdmin = false;
                break;
            case Refusal::KeyLocked:
                fake::Registry().lockedKeys.insert(fake::kProductKey);
                break;
            case Refusal::KeyReadOnly:
                fake::Registry().readOnlyKeys.insert(fake::kProductKey);
                break;
            case Refusal::MachineReadOnly:
                fake::Registry().hklmReadOnly = true;
                break;
            case Refusal::KeyIsALink:
                fake::Registry().MakeLink(fake::kProductKey, elsewhere);
                break;
        }
        const int row = static_cast<int>(refusal);

        EXPECT_FALSE(InstallAndRegister(true)) << row;
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u) << row;
        const fake::ShownBox& box = fake::MessageBoxes().shown[0];
        EXPECT_EQ(box.text,
                  "You have no right to add/remove programs!\r\n"
                  "Please contact your system administrator.")
            << row;
        EXPECT_EQ(box.style, 0x200010u) << row;
        EXPECT_EQ(fake::Registry().IsLink(fake::kProductKey), refusal == Refusal::KeyIsALink)
            << row;
        if (refusal != Refusal::KeyIsALink) {
            EXPECT_TRUE(fake::Registry().ValueNamesInOrder(fake::kProductKey).empty()) << row;
        }
        EXPECT_EQ(fake::Registry().ValueNamesInOrder(elsewhere),
                  std::vector<std::string>{"DisplayName"})
            << row;
        EXPECT_EQ(fake::Registry().String(elsewhere, "DisplayName"), "Другая программа") << row;
        EXPECT_TRUE(fake::Files().journal.empty()) << row;
        EXPECT_TRUE(fake::Files().HasFile(s.StartMenuFolder + "old.lnk")) << row;
        EXPECT_EQ(fake::FileSet().calls, 0) << row;
        EXPECT_TRUE(fake::SavedLinks().empty()) << row;
    }
}

// Memory running out is not missing rights: it reaches the program's report
// of unexpected errors instead of the rights message.
TEST_F(RegistrationTest, OnlyRegistryErrorsReadAsMissingRights) {
    SetFileSetInstaller([]() -> bool { throw std::bad_alloc(); });
    EXPECT_THROW(InstallAndRegister(true), std::bad_alloc);
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
}

TEST_F(RegistrationTest, RightsMessageSpeaksRussianInRussianMode) {
    State().IsRussian = true;
    State().IsAdmin = false;
    EXPECT_FALSE(InstallAndRegister(false));
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].text,
              "У Вас нет права устанавливать программы!\r\n"
              "Обратитесь к системному администратору.");
}

TEST_F(RegistrationTest, FailedFileSetKeepsTheValuesAndMakesNoShortcut) {
    const InstallerState& s = State();
    fake::Registry().SetDword(fake::kProductKey, "EstimatedSize", 777);  // an earlier run's
    fake::Registry().SetString(fake::kWow64ProductKey, "UninstallString", "D:\\Old\\uninstall.exe");
    State().Wow64UninstallKey =
        "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";
    fake::FileSet().result = false;

    EXPECT_FALSE(InstallAndRegister(true));
    EXPECT_EQ(fake::FileSet().calls, 1);
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());  // the file set reports for itself
    std::vector<std::string> names = NamesOf(EntryOfThisRun("Norvelik Soft"));
    names.pop_back();
    names.insert(names.begin(), "EstimatedSize");
    EXPECT_EQ(fake::Registry().ValueNamesInOrder(fake::kProductKey), names);
    EXPECT_EQ(fake::Registry().Value(fake::kProductKey, "EstimatedSize")->number, 777u);
    EXPECT_EQ(fake::Registry().openKeys(), 0) << "the entry's key is closed on this path too";
    EXPECT_TRUE(fake::SavedLinks().empty());
    EXPECT_TRUE(fake::FileNamesIn(s.StartMenuFolder).empty());
    EXPECT_TRUE(fake::Registry().KeyExists(fake::kWow64ProductKey));
}

TEST_F(RegistrationTest, DeletesOnlyTheRegistrationNamedUnderThe32BitNode) {
    const char* otherProduct =
        "HKLM\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other";
    for (bool foundThere : {true, false}) {
        SetUp();
        fake::Registry().SetString(fake::kWow64ProductKey, "UninstallString",
                                   "D:\\N\\uninstall.exe");
        fake::Registry().SetString(otherProduct, "UninstallString", "D:\\O\\uninstall.exe");
        if (foundThere) {
            State().Wow64UninstallKey =
                "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";
        }
        EXPECT_TRUE(InstallAndRegister(false));
        EXPECT_EQ(fake::Registry().KeyExists(fake::kWow64ProductKey), !foundThere);
        EXPECT_TRUE(fake::Registry().KeyExists(otherProduct));
        EXPECT_EQ(fake::Registry().ValueNamesInOrder(fake::kProductKey).size(), 15u);
    }
}

TEST_F(RegistrationTest, MakesTheShortcutsOfTheMode) {
    struct Row {
        bool russian;
        bool desktop;
        const char* uninstallLink;
        const char* webLink;
        const char* description;
        bool startMenuKnown = true;
    } rows[] = {
        {true, false, "Удаление программы.lnk", "Интернет-сайт программы.url", "Норвеликон"},
        {true, true, "Удаление программы.lnk", "Интернет-сайт программы.url", "Норвеликон"},
        {false, false, "Uninstall the program.lnk", "Program's website.url", "Norvelikon"},
        {false, true, "Uninstall the program.lnk", "Program's website.url", "Norvelikon"},
        // Neither Start-menu folder of the system exists: the product's one
        // comes out relative, and nothing may land beside the setup.
        {true, true, "Удаление программы.lnk", "Интернет-сайт программы.url", "Норвеликон", false},
    };
    for (const Row& r : rows) {
        SetUp();
        InstallerState& s = State();
        s.IsRussian = r.russian;
        if (!r.startMenuKnown) s.StartMenuFolder = "Норвелик\\";
        EXPECT_TRUE(InstallAndRegister(r.desktop));

        std::vector<std::string> expected{"Норвелик.lnk", r.uninstallLink, r.webLink};
        std::sort(expected.begin(), expected.end());
        if (!r.startMenuKnown) expected.clear();
        // The fake file system keeps a relative path as it is given.
        EXPECT_EQ(fake::FileNamesIn(s.StartMenuFolder), expected);
        EXPECT_EQ(fake::Files().HasFolder(s.StartMenuFolder), r.startMenuKnown);
        EXPECT_EQ(
            fake::FileNamesIn(s.CommonDesktopFolder),
            r.desktop ? std::vector<std::string>{"Норвелик.lnk"} : std::vector<std::string>{});

        struct Link {
            std::string file;
            std::string target;
        };
        std::vector<Link> links;
        if (r.startMenuKnown) {
            links.push_back({s.StartMenuFolder + "Норвелик.lnk", s.ProgramFolder + "Norvelik.exe"});
            links.push_back(
                {s.StartMenuFolder + r.uninstallLink, s.ProgramFolder + "Uninstall.exe"});
        }
        if (r.desktop) {
            links.push_back(
                {s.CommonDesktopFolder + "Норвелик.lnk", s.ProgramFolder + "Norvelik.exe"});
        }
        for (const Link& l : links) {
            platform::ShellLinkSpec saved;
            ASSERT_TRUE(platform::LoadShellLink(l.file, &saved)) << l.file;
            EXPECT_EQ(saved.target, l.target);
            EXPECT_EQ(saved.workingFolder, "C:\\Program Files\\Norvelik\\");
            EXPECT_EQ(saved.description, r.description);
            EXPECT_EQ(saved.arguments, "");
            EXPECT_EQ(saved.showCommand, 5);
            EXPECT_EQ(saved.iconPath, l.target);
            EXPECT_EQ(saved.iconIndex, 0);
        }
        EXPECT_EQ(fake::SavedLinks().size(), links.size());
        EXPECT_EQ(fake::Files().Bytes(s.StartMenuFolder + r.webLink),
                  r.startMenuKnown ? "[InternetShortcut]\r\nURL=https://norvelik.ru\r\n" : "");
        EXPECT_TRUE(fake::Registry().HasValue(fake::kProductKey, "EstimatedSize"));
    }
}

// Without an all-users desktop a desktop shortcut would land in the working
// folder; it is left out and the rest goes on.
TEST_F(RegistrationTest, SkipsTheDesktopShortcutWhenTheSystemNamesNoDesktop) {
    State().CommonDesktopFolder = "";
    EXPECT_TRUE(InstallAndRegister(true));
    EXPECT_EQ(fake::SavedLinks().size(), 2u);
    // The fake file system keeps a relative path as it is given.
    EXPECT_FALSE(fake::Files().HasFile("Норвелик.lnk"));
    EXPECT_EQ(fake::FileNamesIn(State().StartMenuFolder).size(), 3u);
}

TEST_F(RegistrationTest, RecordsNoSizeForAProgramFolderThatIsNotThere) {
    InstallerState& s = State();
    s.ProgramFolder = "C:\\Program Files\\Gone\\";
    fake::Files().uncreatableFolders.insert(fake::PathKey(s.ProgramFolder));
    fake::FileSet().writesFiles = false;
    EXPECT_TRUE(InstallAndRegister(false));
    EXPECT_FALSE(fake::Registry().HasValue(fake::kProductKey, "EstimatedSize"));
    EXPECT_EQ(fake::Registry().ValueNamesInOrder(fake::kProductKey).size(), 14u);
}

TEST_F(RegistrationTest, ShortcutsThatCannotBeSavedDoNotFailTheInstallation) {
    fake::Shell().linkSaveFails = true;
    EXPECT_TRUE(InstallAndRegister(true));
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
    EXPECT_TRUE(fake::Registry().HasValue(fake::kProductKey, "EstimatedSize"));
    EXPECT_EQ(fake::FileNamesIn(State().StartMenuFolder),
              std::vector<std::string>{"Program's website.url"});
}

TEST_F(RegistrationTest, RenewsEveryEarlierStartMenuFolderBeforeInstalling) {
    InstallerState& s = State();
    // Titles that differ, so each of the three folders is its own.
    s.UserStartMenuFolderEn = s.ProgramsFolder + "Norvelik\\";
    fake::Files().AddFile(s.UserStartMenuFolderEn + "old.lnk", "old");
    fake::Files().AddFile(s.UserStartMenuFolderRu + "Sub\\older.lnk", "older");
    fake::Files().AddFile(s.StartMenuFolder + "Удаление старой версии.lnk", "old");
    fake::Files().AddFile(s.StartMenuFolder + "Readme\\readme.txt", "old");

    EXPECT_TRUE(InstallAndRegister(false));
    // Each tree is emptied first and removed last; its subfolders go on the way.
    const std::vector<std::string> asked{s.UserStartMenuFolderEn, s.UserStartMenuFolderRu,
                                         s.StartMenuFolder};
    std::vector<std::string> deleted;
    for (const std::string& call : fake::Files().journal) {
        const std::string folder = call.substr(6);
        if (call.compare(0, 6, "rmdir ") == 0 &&
            std::find(asked.begin(), asked.end(), folder) != asked.end()) {
            deleted.push_back(folder);
        }
    }
    EXPECT_EQ(deleted, asked);
    EXPECT_FALSE(fake::Files().HasFolder(s.UserStartMenuFolderEn));
    EXPECT_FALSE(fake::Files().HasFolder(s.UserStartMenuFolderRu));
    EXPECT_FALSE(fake::Files().HasFolder(s.StartMenuFolder + "Readme"));
    EXPECT_EQ(fake::FileNamesIn(s.StartMenuFolder),
              (std::vector<std::string>{"Program's website.url", "Uninstall the program.lnk",
                                        "Норвелик.lnk"}));
    EXPECT_TRUE(fake::FileSet().startMenuFolderExisted);
}

// Links a user put where the setup deletes and writes: the per-user
// Start-menu folder made a link to their documents, links at the shortcut
// names, and the all-users desktop behind a link. What the links lead to
// stays as it was; the shortcuts are new files of their own where the
// folders are real, and none goes through a link.
TEST_F(RegistrationTest, NeitherDeletesNorWritesThroughALink) {
    InstallerState& s = State();
    fake::FakeFiles& files = fake::Files();
    const std::string docs = "C:\\Users\\Lena\\Documents\\";
    files.AddFile(docs + "Work\\report.txt", "report");
    files.AddFile(docs + "diary.txt", "diary");
    files.AddFile(docs + "plan.txt", "plan");
    files.AddFolderLink(s.UserStartMenuFolderRu, docs + "Work");
    files.AddFolder(s.StartMenuFolder);
    files.AddLink(s.StartMenuFolder + "Норвелик.lnk", docs + "diary.txt");
    files.AddLink(s.StartMenuFolder + "Program's website.url", docs + "plan.txt");
    files.AddFolder("C:\\Shared\\Desktop");
    s.CommonDesktopFolder = "C:\\Users\\Public\\Other\\Desktop\\";
    files.AddFolderLink("C:\\Users\\Public\\Other", "C:\\Shared");

    EXPECT_TRUE(InstallAndRegister(true));
    EXPECT_EQ(files.Bytes(docs + "Work\\report.txt"), "report");
    EXPECT_EQ(files.Bytes(docs + "diary.txt"), "diary");
    EXPECT_EQ(files.Bytes(docs + "plan.txt"), "plan");
    EXPECT_FALSE(files.IsLink(s.UserStartMenuFolderRu));  // removed as a name
    for (const char* name :
         {"Норвелик.lnk", "Uninstall the program.lnk", "Program's website.url"}) {
        EXPECT_FALSE(files.IsLink(s.StartMenuFolder + name)) << name;
        EXPECT_TRUE(files.HasFile(s.StartMenuFolder + name)) << name;
    }
    EXPECT_TRUE(fake::FileNamesIn("C:\\Shared\\Desktop").empty());
    EXPECT_FALSE(s.DesktopShortcutSaved);
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].text,
              "The folder " + s.CommonDesktopFolder +
                  " is a link to another place, or was replaced by one while the program "
                  "worked. To keep what is there safe, nothing is written to it or deleted "
                  "from it.");
}

// With no per-user programs folder the per-user Start-menu folders come out
// relative; a folder of that name beside the setup program must survive.
TEST_F(RegistrationTest, KeepsAFolderBesideTheSetupThatARelativePathWouldName) {
    InstallerState& s = State();
    s.ProgramsFolder = "";
    s.UserStartMenuFolderRu = "Норвелик\\";
    s.UserStartMenuFolderEn = "Норвелик\\";
    // The fake file system keeps a relative path as it is given.
    fake::Files().AddFile("Норвелик\\keep.txt", "mine");

    EXPECT_TRUE(InstallAndRegister(false));
    EXPECT_TRUE(fake::Files().HasFile("Норвелик\\keep.txt"));
}

}  // namespace
