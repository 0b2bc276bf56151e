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
              (std::vector<std::string>{fake::kTemporaryCopy, fake::kCopyFolder}));
    EXPECT_FALSE(fake::Files().HasFile(fake::kOrderFile)) << "the order is taken once";
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

TEST_F(UninstallTest, StartedFromTheProgramFolderAsksThenHandsOverToACopyInAnAdministratorsFolder) {
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
    EXPECT_EQ(copy.workingFolder, fake::kCopyFolder);
    EXPECT_EQ(fake::SelfRemoval().administratorsFolders,
              std::vector<std::string>{fake::kCopyFolder});
    EXPECT_EQ(fake::Files().Bytes(fake::kTemporaryCopy), "uninstall.exe");
    // The work is the copy's: nothing is gone yet.
    ExpectNothingRemoved();
    EXPECT_TRUE(fake::SelfRemoval().deleteAfterReboot.empty());
}

TEST_F(UninstallTest, AFolderNameAlreadyTakenIsLeftAloneAndAnotherIsMade) {
    // Made by anyone: a folder that was there before is never used.
    fake::Files().AddFile(fake::kTemporaryCopy, "planted");
    fake::MessageBoxes().answers = {platform::kIdYes};
    RunAsStarted();

    ASSERT_EQ(fake::SelfRemoval().started.size(), 1u);
    EXPECT_EQ(fake::SelfRemoval().started[0].executable,
              "C:\\Windows\\Temp\\nvuninst4660_1\\nvuninst.exe");
    EXPECT_EQ(fake::Files().Bytes(fake::kTemporaryCopy), "planted");
}

TEST_F(UninstallTest, NoChangesWhenTheUserSaysNo) {
    fake::MessageBoxes().answers = {platform::kIdNo};
    RunAsStarted();

    EXPECT_EQ(fake::MessageBoxes().shown.size(), 1u) << "the question only";
    ExpectNothingRemoved();
    EXPECT_TRUE(fake::SelfRemoval().started.empty());
    EXPECT_TRUE(fake::SelfRemoval().administratorsFolders.empty());
    EXPECT_EQ(fake::Processes().probes, 0) << "a running product is left alone";
}

TEST_F(UninstallTest, WithoutACopyTheWorkIsDoneHereAndOurFileGoesAtTheNextStart) {
    struct Row {
        const char* what;
        std::string temporaryFolder;
        platform::ErrorCode startError;
        bool copyTakesOrder;
        bool registered;
    } rows[] = {
        {"no temporary folder", "", platform::kSuccess, true, true},
        {"the copy does not start", "C:\\Windows\\Temp\\", platform::kErrorAccessDenied, true,
         true},
        {"the copy never takes its order", "C:\\Windows\\Temp\\", platform::kSuccess, false, true},
        // No copy would take an order for it.
        {"the folder is not the registered one", "C:\\Windows\\Temp\\", platform::kSuccess, true,
         false},
    };
    for (const Row& r : rows) {
        SetUp();
        fake::SelfRemoval().systemTemporaryFolder = r.temporaryFolder;
        fake::SelfRemoval().startError = r.startError;
        if (!r.registered) {
            for (const char* key : {fake::kNativeEntry, fake::kStrayEntry}) {
                fake::Registry().SetString(key, "UninstallString", "D:\\Other\\uninstall.exe");
            }
        }
        fake::MessageBoxes().answers = {platform::kIdYes};
        RunAsStarted(r.copyTakesOrder);

        const std::string own = kFolder + "uninstall.exe";
        EXPECT_FALSE(fake::Files().HasFile(fake::kOrderFile)) << r.what << ": no order left";
        EXPECT_FALSE(fake::Files().HasFile(kFolder + "Norvelik.exe")) << r.what;
        EXPECT_EQ(fake::Registry().KeyExists(fake::kNativeEntry), !r.registered) << r.what;
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

TEST_F(UninstallTest, AHeldFileIsNamedInTheOneMessageAndKeepsTheEntryForAnotherRun) {
    struct Row {
        bool russian;
        std::string text;
    } rows[] = {
        {true,
         "Программа \"Норвелик\" удалена не полностью. На Вашем компьютере остались эти её "
         "файлы:\r\n"
         "C:\\Program Files\\Norvelik\\Norvelik.exe\r\n"
         "C:\\Program Files\\Norvelik\\nvq3.cok\r\n"
         "Закройте программы, которые их используют, и запустите удаление ещё раз: запись "
         "программы в списке установленных программ для этого сохранена."},
        {false,
         "\"Норвелик\" has not been removed completely. These of its files are still on your "
         "computer:\r\n"
         "C:\\Program Files\\Norvelik\\Norvelik.exe\r\n"
         "C:\\Program Files\\Norvelik\\nvq3.cok\r\n"
         "Close the programs that use them and run the removal again: the program's entry in "
         "the list of installed programs has been kept for it."},
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
        EXPECT_TRUE(fake::Registry().KeyExists(fake::kNativeEntry));
        EXPECT_TRUE(fake::Registry().KeyExists(fake::kStrayEntry));
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
        // Other spellings of the same folder, as Windows reads them.
        {"C:\\Program Files\\\\Norvelik\\uninstall.exe", true},
        {"\\\\?\\C:\\Program Files\\Norvelik\\uninstall.exe", true},
        {"C:\\Program Files\\Norvelik.\\uninstall.exe", true},
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
              (std::vector<std::string>{fake::kTemporaryCopy, fake::kCopyFolder}));
}

// Only the registered installation's own uninstaller can give a removal
// order; anything else is a start by the user, who is asked first.
TEST_F(UninstallTest, AnOrderFromAnyoneElseIsAPlainStartThatAsksFirst) {
    const std::string system32 = "C:\\Windows\\System32\\";
    const std::string toSystem32 = "/remove-from \"C:\\Windows\\System32\" /after 4660";
    struct Row {
        const char* what;
        std::string commandLine;
        std::string orderBeside;  // "": none
        std::uint32_t parentId;
        std::string parentExecutable;
        const char* registeredUninstaller;
    } rows[] = {
        {"another folder on the command line and beside us", toSystem32, toSystem32, 4660,
         kFolder + "uninstall.exe", "C:\\Program Files\\Norvelik\\uninstall.exe"},
        {"no order beside us", CopyCommandLine(), "", 4660, kFolder + "uninstall.exe",
         "C:\\Program Files\\Norvelik\\uninstall.exe"},
        {"an order beside us that says otherwise", CopyCommandLine(), toSystem32, 4660,
         kFolder + "uninstall.exe", "C:\\Program Files\\Norvelik\\uninstall.exe"},
        {"started by another program", CopyCommandLine(), CopyCommandLine(), 4660,
         "C:\\Windows\\explorer.exe", "C:\\Program Files\\Norvelik\\uninstall.exe"},
        {"started by another process than the order names", CopyCommandLine(), CopyCommandLine(),
         4661, kFolder + "uninstall.exe", "C:\\Program Files\\Norvelik\\uninstall.exe"},
        {"no parent to be found", CopyCommandLine(), CopyCommandLine(), 0, "",
         "C:\\Program Files\\Norvelik\\uninstall.exe"},
        {"a folder the entry does not name", CopyCommandLine(), CopyCommandLine(), 4660,
         kFolder + "uninstall.exe", "D:\\Other\\uninstall.exe"},
    };
    for (const Row& r : rows) {
        SetUp();
        fake::Files().AddFile(system32 + "riched32.dll", "the system's");
        fake::Files().AddFile(fake::kTemporaryCopy, "uninstall.exe");
        if (!r.orderBeside.empty()) fake::Files().AddFile(fake::kOrderFile, r.orderBeside);
        for (const char* key : {fake::kNativeEntry, fake::kStrayEntry}) {
            fake::Registry().SetString(key, "UninstallString", r.registeredUninstaller);
        }
        fake::FakeSelfRemoval& self = fake::SelfRemoval();
        self.ownPath = fake::kTemporaryCopy;
        self.parentId = r.parentId;
        self.parentExecutable = r.parentExecutable;
        fake::MessageBoxes().answers = {platform::kIdNo};
        EXPECT_EQ(RunUninstall(r.commandLine), 0) << r.what;

        ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u) << r.what;
        EXPECT_EQ(fake::MessageBoxes().shown[0].style, 0x42024u) << r.what << ": the question";
        ExpectNothingRemoved();
        EXPECT_TRUE(fake::Files().HasFile(system32 + "riched32.dll")) << r.what;
        EXPECT_TRUE(fake::Clock().sleeps.empty()) << r.what << ": no waiting for anybody";
    }
}

// The forged command line given to the installed uninstaller itself, as the
// system would start it from the entry: asked, it removes the product and
// nothing of the folder the command line names.
TEST_F(UninstallTest, TheInstalledUninstallerGivenAnOrderAsksAndRemovesOnlyTheProduct) {
    const std::string system32 = "C:\\Windows\\System32\\";
    fake::Files().AddFile(system32 + "riched32.dll", "the system's");
    fake::Files().AddFile(system32 + "Norvelik.exe", "not ours");
    fake::FakeSelfRemoval& self = fake::SelfRemoval();
    self.ownPath = kFolder + "uninstall.exe";
    self.processId = fake::kStarterProcess;
    self.parentId = 99;
    self.parentExecutable = "C:\\Windows\\explorer.exe";
    self.onStart = [](const fake::StartedProcess&) { fake::Files().Delete(fake::kOrderFile); };
    fake::MessageBoxes().answers = {platform::kIdYes};
    RunUninstall("/remove-from \"C:\\Windows\\System32\" /after 0");

    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].style, 0x42024u) << "the question";
    ASSERT_EQ(fake::SelfRemoval().started.size(), 1u);
    EXPECT_EQ(fake::SelfRemoval().started[0].arguments, CopyCommandLine());
    EXPECT_TRUE(fake::Files().HasFile(system32 + "riched32.dll"));
    EXPECT_TRUE(fake::Files().HasFile(system32 + "Norvelik.exe"));
    EXPECT_TRUE(fake::SelfRemoval().deleteAfterReboot.empty()) << "nothing of ours to clear";
}

// A value of the wrong type where the uninstaller reads its folders, or
// another setup or uninstaller holding the machine's lock: the uninstaller
// says so, removes nothing and ends with 0, started by the user or as its
// copy. The copy still leaves itself and its folder to the next start.
TEST_F(UninstallTest, WhatStopsTheUninstallerIsReportedAndNothingIsRemoved) {
    const std::string machine = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion";
    struct Row {
        std::string key;  // "": the lock is held instead
        const char* name;
        const char* text;
    } rows[] = {
        {fake::kNativeEntry, "UninstallString",
         "Удаление прервано из-за непредвиденной ошибки:\r\n"
         "Invalid data type for 'UninstallString'"},
        {machine + "\\Explorer\\Shell Folders", "Common Programs",
         "Удаление прервано из-за непредвиденной ошибки:\r\n"
         "Invalid data type for 'Common Programs'"},
        {machine, "ProgramFilesDir",
         "Удаление прервано из-за непредвиденной ошибки:\r\n"
         "Invalid data type for 'ProgramFilesDir'"},
        {"", "",
         "На этом компьютере уже работает установка или удаление программы \"Норвелик\".\r\n"
         "Дождитесь её окончания и запустите эту программу снова."},
    };
    for (const Row& r : rows) {
        for (bool asCopy : {false, true}) {
            SetUp();
            if (r.key.empty()) {
                fake::Processes().locksHeldElsewhere["Global\\Norvelik.Setup"] =
                    fake::FakeProcesses::kHeldForever;
            } else {
                fake::Registry().SetOther(r.key, r.name);
            }
            const std::string row = std::string(r.name) + (asCopy ? " (copy)" : "");
            if (asCopy) {
                RunAsCopy();
            } else {
                RunAsStarted();
            }
            EXPECT_EQ(OnlyMessage().text, r.text) << row;
            ExpectNothingRemoved();
            EXPECT_TRUE(fake::SelfRemoval().started.empty()) << row;
            const std::vector<std::string> leftToNextStart =
                asCopy ? std::vector<std::string>{fake::kTemporaryCopy, fake::kCopyFolder}
                       : std::vector<std::string>{};
            EXPECT_EQ(fake::SelfRemoval().deleteAfterReboot, leftToNextStart) << row;
        }
    }
}

// The uninstaller that starts the copy holds the lock until it ends, so the
// copy waits for it as long as it waits for that process.
TEST_F(UninstallTest, CopyTakesTheLockOnceItsStarterHasEnded) {
    fake::Processes().locksHeldElsewhere["Global\\Norvelik.Setup"] = 2000;
    RunAsCopy();
    EXPECT_EQ(OnlyMessage().text, "Программа \"Норвелик\" удалена с Вашего компьютера.");
    EXPECT_FALSE(fake::Files().HasFolder(kFolder));
}
