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

// The uninstaller that made the copy has left it and its folder to the
// system's next start already; the copy has nothing of its own to leave.
TEST_F(UninstallTest, CopyWaitsForItsStarter) {
    RunAsCopy();
    ASSERT_EQ(fake::SelfRemoval().waits.size(), 1u);
    EXPECT_EQ(fake::SelfRemoval().waits[0].first, fake::kStarterProcess);
    EXPECT_GT(fake::SelfRemoval().waits[0].second, 0u);
    EXPECT_TRUE(fake::SelfRemoval().deleteAfterReboot.empty());
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
    // The work is the copy's: nothing is gone yet. The copy and its folder
    // are left to the system's next start as soon as they are made, so that
    // a run stopped at any moment leaves nothing behind for good.
    ExpectNothingRemoved();
    EXPECT_EQ(fake::SelfRemoval().deleteAfterReboot,
              (std::vector<std::string>{fake::kTemporaryCopy, fake::kCopyFolder}));
}

TEST_F(UninstallTest, AFolderNameAlreadyTakenIsLeftAloneAndAnotherIsMade) {
    // Made by anyone: a folder that was there before is never used, nor
    // taken for a copy an earlier run left.
    fake::Files().AddFile(fake::kTemporaryCopy, "planted");
    fake::Files().SetDescriptor(fake::kCopyFolder,
                                "O:S-1-5-21-1-2-3-1002D:(A;OICI;FA;;;S-1-5-21-1-2-3-1002)");
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
        bool copyMade;
    } rows[] = {
        {"no temporary folder", "", platform::kSuccess, true, true, false},
        {"the copy does not start", "C:\\Windows\\Temp\\", platform::kErrorAccessDenied, true, true,
         true},
        {"the copy never takes its order", "C:\\Windows\\Temp\\", platform::kSuccess, false, true,
         true},
        // No copy would take an order for it.
        {"the folder is not the registered one", "C:\\Windows\\Temp\\", platform::kSuccess, true,
         false, false},
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
        // Our own file cannot go while we run: the system takes it, then its
        // folder; a copy made on the way was left to it at once.
        std::vector<std::string> leftToNextStart{own, kFolder};
        if (r.copyMade) {
            leftToNextStart.insert(leftToNextStart.begin(),
                                   {fake::kTemporaryCopy, fake::kCopyFolder});
        }
        EXPECT_EQ(fake::SelfRemoval().deleteAfterReboot, leftToNextStart) << r.what;
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
    EXPECT_EQ(OnlyMessage().text,
              "Программа \"Норвелик\" удалена с Вашего компьютера.\r\n\r\n"
              "Часть её уже была удалена раньше; теперь удалено то, что оставалось.");
    for (const std::string& entry : fake::Files().journal) {
        EXPECT_NE(entry, "remove name " + kFolder + "nvq7.cok") << "only files present are planned";
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

        // The uninstaller stays with the entry that names it.
        EXPECT_EQ(fake::FileNamesIn(kFolder),
                  (std::vector<std::string>{"Norvelik.exe", "nvq3.cok", "uninstall.exe"}));
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
    EXPECT_TRUE(fake::SelfRemoval().deleteAfterReboot.empty());
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
    // Only the copy it made, left to the next start at once.
    EXPECT_EQ(fake::SelfRemoval().deleteAfterReboot,
              (std::vector<std::string>{fake::kTemporaryCopy, fake::kCopyFolder}));
}

// A value of the wrong type where the uninstaller reads its folders, or
// another setup or uninstaller holding the machine's lock: the uninstaller
// says so, removes nothing and ends with 0, started by the user or as its
// copy.
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
            EXPECT_TRUE(fake::SelfRemoval().deleteAfterReboot.empty()) << row;
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

namespace {

// What a kill does to the program: it stops where it stands.
struct Stopped {};

}  // namespace

// A removal stopped at any step (the machine switched off, the process
// killed) can always be finished: while the entry is there it names an
// uninstaller that is there too, which the user runs again; once the entry
// is gone nothing of the product is left but, at the very end, the
// uninstaller's own file, which removes what is left when run again (itself
// at the system's next start) and says so.
TEST_F(UninstallTest, ARemovalStoppedAtAnyStepIsFinishedByTheNextRun) {
    int total = 0;
    fake::Files().beforeCall = [&total](const std::string&) { ++total; };
    RunAsCopy();
    ASSERT_GT(total, 30);

    for (int stopAfter = 1; stopAfter < total; ++stopAfter) {
        SetUp();
        int steps = 0;
        fake::Files().beforeCall = [&steps, stopAfter](const std::string&) {
            if (steps++ == stopAfter) throw Stopped();
        };
        RunAsCopy();
        fake::Files().beforeCall = nullptr;
        const std::string row = "stopped after step " + std::to_string(stopAfter);

        const bool entryLeft = fake::Registry().KeyExists(fake::kNativeEntry);
        const bool uninstallerLeft = fake::Files().HasFile(kFolder + "uninstall.exe");
        EXPECT_TRUE(!entryLeft || uninstallerLeft) << row << ": the entry names a missing file";
        fake::MessageBoxes().Reset();
        fake::SelfRemoval().deleteAfterReboot.clear();
        if (entryLeft) {
            RunAsCopy();  // the entry's uninstaller, started again, hands over to its copy
        } else if (uninstallerLeft) {
            // No entry names the folder any more: the uninstaller works there
            // itself, and its own file goes at the system's next start.
            fake::MessageBoxes().answers = {platform::kIdYes};
            RunAsStarted();
            EXPECT_EQ(fake::SelfRemoval().deleteAfterReboot,
                      (std::vector<std::string>{kFolder + "uninstall.exe", kFolder}))
                << row;
            fake::Files().Delete(kFolder + "uninstall.exe");
        }
        for (const std::string& name : fake::InstalledFileNames()) {
            EXPECT_FALSE(fake::Files().HasFile(kFolder + name)) << row << ": " << name;
        }
        EXPECT_FALSE(fake::Files().HasFolder(fake::kCommonStartMenu)) << row;
        EXPECT_FALSE(fake::Files().HasFile(fake::kDesktopShortcut)) << row;
        EXPECT_FALSE(fake::Registry().KeyExists(fake::kNativeEntry)) << row;
        EXPECT_FALSE(fake::Registry().KeyExists(fake::kStrayEntry)) << row;
        if (entryLeft || uninstallerLeft) {
            EXPECT_EQ(fake::MessageBoxes().shown.back().text.rfind(
                          "Программа \"Норвелик\" удалена с Вашего компьютера.", 0),
                      0u)
                << row;
        }
    }
}

// A user may put links where the uninstaller deletes: the program folder
// made a link to a folder of theirs (before the removal, or swapped in while
// it works), a product file a link to their document, their Start-menu
// folder a link elsewhere. What a link leads to stays; the entry stays with
// whatever could not be removed, for another run.
TEST_F(UninstallTest, NothingIsDeletedThroughALink) {
    enum class Plant {
        ProgramFolderBefore,
        ProgramFolderSwappedMidway,
        SwapRefusedWhileHeld,
        ProductFile,
        StartMenuFolder,
    };
    const std::string docs = "C:\\Users\\Lena\\Documents\\";
    const std::vector<std::string> docNames{"Norvelik.exe", "nvf.cok", "riched32.dll",
                                            "uninstall.exe", "diary.txt"};
    for (Plant plant : {Plant::ProgramFolderBefore, Plant::ProgramFolderSwappedMidway,
                        Plant::SwapRefusedWhileHeld, Plant::ProductFile, Plant::StartMenuFolder}) {
        SetUp();
        fake::FakeFiles& files = fake::Files();
        for (const std::string& name : docNames) files.AddFile(docs + name, "the user's " + name);
        switch (plant) {
            case Plant::ProgramFolderBefore:
                files.ReplaceFolderWithLink(kFolder, docs);
                break;
            case Plant::ProgramFolderSwappedMidway:
            case Plant::SwapRefusedWhileHeld: {
                const bool evenWhileHeld = plant == Plant::ProgramFolderSwappedMidway;
                files.beforeCall = [&files, docs, evenWhileHeld](const std::string& call) {
                    if (call == "remove name " + kFolder + "nvm0.cok") {
                        files.ReplaceFolderWithLink(kFolder, docs, evenWhileHeld);
                    }
                };
                break;
            }
            case Plant::ProductFile:
                files.Delete(kFolder + "nvf.cok");
                files.AddLink(kFolder + "nvf.cok", docs + "diary.txt");
                break;
            case Plant::StartMenuFolder:
                files.Delete(std::string(fake::kUserStartMenu) + "Норвелик.lnk");
                files.Delete(std::string(fake::kUserStartMenu) + "Uninstall the program.lnk");
                files.Delete(std::string(fake::kUserStartMenu) + "Program's website.url");
                files.RemoveFolder(fake::kUserStartMenu);
                fake::PutShortcut(docs + "Work\\Норвелик.lnk", kFolder + "Norvelik.exe");
                files.AddFolderLink(fake::kUserStartMenu, docs + "Work");
                break;
        }
        RunAsCopy();
        files.beforeCall = nullptr;
        const int row = static_cast<int>(plant);

        for (const std::string& name : docNames) {
            EXPECT_EQ(files.Bytes(docs + name), "the user's " + name) << row << ": " << name;
        }
        const bool removed = plant == Plant::SwapRefusedWhileHeld || plant == Plant::ProductFile;
        EXPECT_EQ(fake::Registry().KeyExists(fake::kNativeEntry), !removed) << row;
        if (plant == Plant::StartMenuFolder) {
            EXPECT_TRUE(files.HasFile(docs + "Work\\Норвелик.lnk")) << row;
        }
        const auto& shown = fake::MessageBoxes().shown;
        ASSERT_FALSE(shown.empty()) << row;
        if (removed) {
            EXPECT_EQ(shown.size(), 1u) << row;
            EXPECT_FALSE(files.HasFolder(kFolder)) << row;
            continue;
        }
        const std::string refused =
            plant == Plant::StartMenuFolder ? fake::kUserStartMenu : kFolder;
        EXPECT_EQ(shown[0].text, "Папка " + refused +
                                     " — это ссылка на другое место, или её подменили ссылкой во "
                                     "время работы программы. Чтобы не повредить то, что там "
                                     "лежит, программа ничего в неё не записывает и ничего из "
                                     "неё не удаляет.")
            << row;
    }
}

// Whichever program starts next takes away the folders of the uninstaller's
// copies that earlier runs left (a run stopped during the hand-over
// included), but one that someone else may have made.
TEST_F(UninstallTest, TheNextStartRemovesTheCopiesEarlierRunsLeft) {
    fake::FakeFiles& files = fake::Files();
    const std::string ours = "C:\\Windows\\Temp\\nvuninst77\\";
    const std::string theirs = "C:\\Windows\\Temp\\nvuninst78_1\\";
    const std::string other = "C:\\Windows\\Temp\\nvuninstaller\\";
    for (const std::string& folder : {ours, theirs, other}) {
        files.AddFile(folder + "nvuninst.exe", "copy");
        files.AddFile(folder + "nvuninst.order", "order");
    }
    files.SetDescriptor(ours, "O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)");
    files.SetDescriptor(theirs, "O:S-1-5-21-1-2-3-1002D:(A;OICI;FA;;;S-1-5-21-1-2-3-1002)");
    fake::MessageBoxes().answers = {platform::kIdNo};
    RunAsStarted();

    EXPECT_FALSE(files.HasFolder(ours));
    EXPECT_TRUE(files.HasFile(theirs + "nvuninst.exe"));
    EXPECT_TRUE(files.HasFile(other + "nvuninst.exe"));
}
