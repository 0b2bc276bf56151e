#include "uninstall/uninstall_sequence.h"

#include "platform/message_box.h"
#include "uninstall_fixture.h"

namespace {

const std::string kFolder = fake::kInstalledFolder;

// Everything of the installation that the fixture puts in place.
void ExpectNothingRemoved() {
    for (const std::string& name : fake::InstalledFileNames()) {
        EXPECT_TRUE(fake::Files().HasFile(kFolder + name)) << name;
    }
    EXPECT_EQ(fake::FileNamesIn(fake::kCommonStartMenu).size(), 3u);
    EXPECT_EQ(fake::FileNamesIn(fake::kUserStartMenu).size(), 3u);
    EXPECT_TRUE(fake::Files().HasFile(fake::kDesktopShortcut));
    EXPECT_TRUE(fake::Registry().KeyExists(fake::kNativeEntry));
    EXPECT_TRUE(fake::Registry().KeyExists(fake::kStrayEntry));
}

}  // namespace

TEST_F(UninstallTest, CopyRemovesEveryPieceOfTheInstallationAndSaysSoOnce) {
    RunAsCopy();

    for (const std::string& name : fake::InstalledFileNames()) {
        EXPECT_FALSE(fake::Files().HasFile(kFolder + name)) << name;
    }
    EXPECT_FALSE(fake::Files().HasFolder(kFolder));
    EXPECT_FALSE(fake::Files().HasFolder(fake::kCommonStartMenu));
    EXPECT_FALSE(fake::Files().HasFolder(fake::kUserStartMenu));
    EXPECT_FALSE(fake::Files().HasFile(fake::kDesktopShortcut));
    EXPECT_TRUE(fake::Files().HasFolder("C:\\Users\\Public\\Desktop"));
    EXPECT_FALSE(fake::Registry().KeyExists(fake::kNativeEntry));
    EXPECT_FALSE(fake::Registry().KeyExists(fake::kStrayEntry));
    EXPECT_TRUE(fake::Registry().KeyExists(
        "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));

    const fake::ShownBox& box = OnlyMessage();
    EXPECT_EQ(box.text, "Программа \"Норвелик\" удалена с Вашего компьютера.");
    EXPECT_EQ(box.caption, "Норвелик");
    EXPECT_EQ(box.style, 0x42040u);
    EXPECT_TRUE(box.extended);
    EXPECT_EQ(box.language, 0x19);
}

TEST_F(UninstallTest, CopyWaitsForItsStarterAndLeavesItselfToTheNextStart) {
    RunAsCopy();
    ASSERT_EQ(fake::SelfRemoval().waits.size(), 1u);
    EXPECT_EQ(fake::SelfRemoval().waits[0].first, fake::kStarterProcess);
    EXPECT_GT(fake::SelfRemoval().waits[0].second, 0u);
    EXPECT_EQ(fake::SelfRemoval().deleteAfterReboot,
              std::vector<std::string>{fake::kTemporaryCopy});
    EXPECT_TRUE(fake::MessageBoxes().answers.empty());
    EXPECT_EQ(fake::SelfRemoval().started.size(), 0u) << "the copy starts no further copy";
}

TEST_F(UninstallTest, EnglishModeSpeaksEnglishThroughThePlainMessageBox) {
    fake::SystemInfo().lcid = 0x0409;
    fake::MessageBoxes().answers = {platform::kIdYes};
    RunAsStarted();
    RunAsCopy();

    const auto& shown = fake::MessageBoxes().shown;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text,
              "Do you really want to remove \"Норвелик\" and all of its components from your "
              "computer?");
    EXPECT_EQ(shown[1].text, "\"Норвелик\" has been removed from your computer.");
    for (const fake::ShownBox& box : shown) {
        EXPECT_FALSE(box.extended);
        EXPECT_EQ(box.caption, "Норвелик");
    }
}

TEST_F(UninstallTest, StartedFromTheProgramFolderAsksThenHandsOverToACopyInTemp) {
    fake::MessageBoxes().answers = {platform::kIdYes};
    RunAsStarted();

    const fake::ShownBox& box = OnlyMessage();
    EXPECT_EQ(box.text, "Удалить программу \"Норвелик\" и все её компоненты с Вашего компьютера?");
    EXPECT_EQ(box.caption, "Норвелик");
    EXPECT_EQ(box.style, 0x42024u);  // Yes/No, question, task-modal, topmost
    EXPECT_EQ(box.language, 0x19);

    ASSERT_EQ(fake::SelfRemoval().started.size(), 1u);
    const fake::StartedProcess& copy = fake::SelfRemoval().started[0];
    EXPECT_EQ(copy.executable, fake::kTemporaryCopy);
    EXPECT_EQ(copy.arguments, CopyCommandLine());
    EXPECT_EQ(copy.workingFolder, "C:\\Temp\\");
    EXPECT_EQ(fake::Files().Bytes(fake::kTemporaryCopy), "uninstall.exe");
    // The work is the copy's: nothing is gone yet.
    ExpectNothingRemoved();
    EXPECT_TRUE(fake::SelfRemoval().deleteAfterReboot.empty());
}

TEST_F(UninstallTest, ACopyNameAlreadyTakenIsLeftAloneAndAnotherIsUsed) {
    fake::Files().AddFile(fake::kTemporaryCopy, "an older copy");
    fake::MessageBoxes().answers = {platform::kIdYes};
    RunAsStarted();

    ASSERT_EQ(fake::SelfRemoval().started.size(), 1u);
    EXPECT_EQ(fake::SelfRemoval().started[0].executable, "C:\\Temp\\nvuninst4660_1.exe");
    EXPECT_EQ(fake::Files().Bytes(fake::kTemporaryCopy), "an older copy");
}

TEST_F(UninstallTest, NoChangesWhenTheUserSaysNo) {
    fake::MessageBoxes().answers = {platform::kIdNo};
    RunAsStarted();

    EXPECT_EQ(fake::MessageBoxes().shown.size(), 1u) << "the question only";
    ExpectNothingRemoved();
    EXPECT_TRUE(fake::SelfRemoval().started.empty());
    EXPECT_FALSE(fake::Files().HasFile("C:\\Temp\\nvuninst4660_1.exe"));
    EXPECT_EQ(fake::Processes().probes, 0) << "a running product is left alone";
}

TEST_F(UninstallTest, WithoutACopyTheWorkIsDoneHereAndOurFileGoesAtTheNextStart) {
    struct Row {
        const char* what;
        std::string temporaryFolder;
        platform::ErrorCode startError;
    } rows[] = {
        {"no temporary folder", "", platform::kSuccess},
        {"the copy does not start", "C:\\Temp\\", platform::kErrorAccessDenied},
    };
    for (const Row& r : rows) {
        SetUp();
        fake::SelfRemoval().temporaryFolder = r.temporaryFolder;
        fake::SelfRemoval().startError = r.startError;
        fake::MessageBoxes().answers = {platform::kIdYes};
        RunAsStarted();

        const std::string own = kFolder + "uninstall.exe";
        EXPECT_FALSE(fake::Files().HasFile(fake::kTemporaryCopy)) << r.what << ": no copy left";
        EXPECT_FALSE(fake::Files().HasFile(kFolder + "Norvelik.exe")) << r.what;
        EXPECT_FALSE(fake::Registry().KeyExists(fake::kNativeEntry)) << r.what;
        // Our own file cannot go while we run: the system takes it, then its folder.
        EXPECT_EQ(fake::SelfRemoval().deleteAfterReboot, (std::vector<std::string>{own, kFolder}))
            << r.what;
        ASSERT_EQ(fake::MessageBoxes().shown.size(), 2u) << r.what;
        EXPECT_EQ(fake::MessageBoxes().shown[1].text,
                  "Программа \"Норвелик\" удалена с Вашего компьютера.")
            << r.what;
    }
}

TEST_F(UninstallTest, AUsersFileKeepsItselfAndTheProgramFolder) {
    fake::Files().AddFile(kFolder + "мои заметки.txt", "notes");
    fake::Files().AddFile(kFolder + "saves\\game1.sav", "save");
    RunAsCopy();

    EXPECT_EQ(fake::FileNamesIn(kFolder), std::vector<std::string>{"мои заметки.txt"});
    EXPECT_TRUE(fake::Files().HasFile(kFolder + "saves\\game1.sav"));
    EXPECT_FALSE(fake::Registry().KeyExists(fake::kNativeEntry));
    EXPECT_EQ(OnlyMessage().text,
              "Программа \"Норвелик\" удалена с Вашего компьютера.\r\n\r\n"
              "Папка C:\\Program Files\\Norvelik\\ оставлена на месте: в ней есть файлы, не "
              "относящиеся к программе.");
    EXPECT_EQ(OnlyMessage().style, 0x42040u) << "nothing of ours was left";
}

TEST_F(UninstallTest, FilesAlreadyMissingAreNoFailure) {
    fake::Files().Delete(kFolder + "nvq7.cok");
    fake::Files().Delete(kFolder + "riched32.dll");
    fake::Files().Delete(std::string(fake::kCommonStartMenu) + "Интернет-сайт программы.url");
    fake::Files().Delete(fake::kDesktopShortcut);
    fake::Files().journal.clear();
    RunAsCopy();

    EXPECT_FALSE(fake::Files().HasFolder(kFolder));
    EXPECT_FALSE(fake::Files().HasFolder(fake::kCommonStartMenu));
    EXPECT_EQ(OnlyMessage().text, "Программа \"Норвелик\" удалена с Вашего компьютера.");
    for (const std::string& entry : fake::Files().journal) {
        EXPECT_NE(entry, "delete " + kFolder + "nvq7.cok") << "only files present are planned";
    }
}

TEST_F(UninstallTest, AHeldFileIsNamedInTheOneMessageAndTheRestIsRemoved) {
    struct Row {
        bool russian;
        std::string text;
    } rows[] = {
        {true,
         "Программа \"Норвелик\" удалена с Вашего компьютера, кроме этих файлов, которые сейчас "
         "используются:\r\n"
         "C:\\Program Files\\Norvelik\\Norvelik.exe\r\n"
         "C:\\Program Files\\Norvelik\\nvq3.cok\r\n"
         "Закройте программы, которые их используют, и удалите файлы сами."},
        {false,
         "\"Норвелик\" has been removed from your computer except for these files, which are in "
         "use:\r\n"
         "C:\\Program Files\\Norvelik\\Norvelik.exe\r\n"
         "C:\\Program Files\\Norvelik\\nvq3.cok\r\n"
         "Close the programs that use them and delete the files yourself."},
    };
    for (const Row& r : rows) {
        SetUp();
        fake::SystemInfo().lcid = r.russian ? 0x0419 : 0x0409;
        fake::Files().File(kFolder + "Norvelik.exe")->held = fake::FakeFile::Held::NoSharing;
        fake::Files().File(kFolder + "nvq3.cok")->held = fake::FakeFile::Held::ReadSharing;
        RunAsCopy();

        EXPECT_EQ(fake::FileNamesIn(kFolder),
                  (std::vector<std::string>{"Norvelik.exe", "nvq3.cok"}));
        EXPECT_FALSE(fake::Files().HasFolder(fake::kCommonStartMenu));
        EXPECT_FALSE(fake::Registry().KeyExists(fake::kNativeEntry));
        EXPECT_EQ(OnlyMessage().text, r.text);
        EXPECT_EQ(OnlyMessage().style, 0x42030u) << "a warning";
    }
}

TEST_F(UninstallTest, OnlyTheSetupsShortcutsLeaveTheStartMenuFolders) {
    fake::PutShortcut(std::string(fake::kCommonStartMenu) + "Справка.lnk", "C:\\help.chm");
    RunAsCopy();

    EXPECT_EQ(fake::FileNamesIn(fake::kCommonStartMenu), std::vector<std::string>{"Справка.lnk"});
    EXPECT_FALSE(fake::Files().HasFolder(fake::kUserStartMenu));
}

TEST_F(UninstallTest, ADesktopShortcutToAnotherProgramStays) {
    fake::PutShortcut(fake::kDesktopShortcut, "D:\\Games\\Норвелик\\Norvelik.exe");
    RunAsCopy();
    EXPECT_TRUE(fake::Files().HasFile(fake::kDesktopShortcut));
    EXPECT_FALSE(fake::Files().HasFile(kFolder + "Norvelik.exe"));
}

TEST_F(UninstallTest, AnUninstallEntryOfAnotherFolderStays) {
    struct Row {
        const char* uninstallString;
        bool removed;
    } rows[] = {
        {"D:\\Other\\uninstall.exe", false},
        {"c:\\program files\\NORVELIK\\uninstall.exe", true},  // names compare without case
        {"\"C:\\Program Files\\Norvelik\\uninstall.exe\"", true},
        {"uninstall.exe", true},  // names no folder: ours by its name
    };
    for (const Row& r : rows) {
        SetUp();
        fake::Registry().SetString(fake::kNativeEntry, "UninstallString", r.uninstallString);
        RunAsCopy();
        EXPECT_EQ(fake::Registry().KeyExists(fake::kNativeEntry), !r.removed) << r.uninstallString;
        EXPECT_FALSE(fake::Registry().KeyExists(fake::kStrayEntry)) << r.uninstallString;
    }
}

TEST_F(UninstallTest, ARunningProductIsAskedToQuitBeforeItsFilesGo) {
    struct Row {
        const char* what;
        bool hasWindow;
        std::size_t quitsAfterSleeps;  // 0: never
        std::size_t expectedSleeps;
    } rows[] = {
        {"quits at once", true, 1, 1},
        {"quits after a while", true, 3, 3},
        {"never quits", true, 0, 20},
        {"marker without a window", false, 0, 20},
    };
    for (const Row& r : rows) {
        SetUp();
        fake::Processes().mappings.insert("norvelik_memfile");
        if (r.hasWindow) fake::Processes().windowsByClass["TNVMainForm"] = 77;
        const std::size_t quitsAfter = r.quitsAfterSleeps;
        fake::Clock().afterSleep = [quitsAfter](std::size_t sleeps) {
            if (sleeps == quitsAfter) {
                fake::Processes().mappings.clear();
                fake::Files().File(kFolder + "Norvelik.exe")->held = fake::FakeFile::Held::No;
            }
        };
        fake::Files().File(kFolder + "Norvelik.exe")->held = fake::FakeFile::Held::NoSharing;
        RunAsCopy();

        ASSERT_EQ(fake::Processes().posted.size(), r.hasWindow ? 1u : 0u) << r.what;
        if (r.hasWindow) {
            EXPECT_EQ(fake::Processes().posted[0].window, 77u) << r.what;
            EXPECT_EQ(fake::Processes().posted[0].message, 0x0012u) << r.what;
        }
        EXPECT_EQ(fake::Clock().sleeps.size(), r.expectedSleeps) << r.what;
        EXPECT_EQ(fake::Files().HasFile(kFolder + "Norvelik.exe"), quitsAfter == 0) << r.what;
    }
}

TEST_F(UninstallTest, NoRunningProductMeansNoWaiting) {
    RunAsCopy();
    EXPECT_TRUE(fake::Clock().sleeps.empty());
    EXPECT_TRUE(fake::Processes().posted.empty());
}

TEST_F(UninstallTest, NonAdministratorIsToldAndNothingChanges) {
    fake::SystemInfo().admin = false;
    fake::Registry().hklmReadOnly = true;
    for (bool asCopy : {false, true}) {
        fake::MessageBoxes().Reset();
        if (asCopy) {
            RunAsCopy();
        } else {
            RunAsStarted();
        }
        const fake::ShownBox& box = OnlyMessage();
        EXPECT_EQ(box.text, "У Вас нет права удалять программы!");
        EXPECT_EQ(box.style, 0x200010u);
        ExpectNothingRemoved();
        EXPECT_TRUE(fake::SelfRemoval().started.empty());
    }
    // The copy still leaves itself to the next start.
    EXPECT_EQ(fake::SelfRemoval().deleteAfterReboot,
              std::vector<std::string>{fake::kTemporaryCopy});
}
