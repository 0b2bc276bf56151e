#include "uninstall/uninstall_plan.h"

#include "host/common_unit.h"
#include "host/system_folders.h"
#include "host/windows_version.h"
#include "installation/product_file_list.h"
#include "installation/product_identity.h"
#include "uninstall/plan_execution.h"
#include "uninstall/uninstall_messages.h"
#include "uninstall_fixture.h"

namespace {

const std::string kFolder = fake::kInstalledFolder;

}  // namespace

// The plan and its execution on their own, with the environment read as the
// uninstaller reads it.
class UninstallPlanTest : public UninstallTest {
  protected:
    void SetUp() override {
        UninstallTest::SetUp();
        StartCommonUnit();
        WriteProductIdentity();
        ASSERT_TRUE(ReadSystemFolders());
    }
    void TearDown() override { ShutdownCommonUnit(); }
};

TEST_F(UninstallPlanTest, PlansOnlyWhatIsThereInTheOrderOfRemoval) {
    // A setup stopped halfway left the "~" copies of a file it had not yet
    // installed and of one it was replacing; a "~" name outside the list is not ours.
    fake::Files().AddFile(kFolder + "~gone.cok", "cut short");
    fake::Files().AddFile(kFolder + "~nvf.cok", "cut short");
    fake::Files().AddFile(kFolder + "~notes.txt", "the user's");
    const UninstallPlan plan = PlanUninstall("Norvelik.exe;gone.cok;nvf.cok;", kFolder);
    EXPECT_EQ(plan.files, (std::vector<std::string>{kFolder + "Norvelik.exe", kFolder + "~gone.cok",
                                                    kFolder + "nvf.cok", kFolder + "~nvf.cok"}));
    EXPECT_EQ(plan.shortcuts,
              (std::vector<std::string>{
                  std::string(fake::kCommonStartMenu) + "Норвелик.lnk",
                  std::string(fake::kCommonStartMenu) + "Удаление программы.lnk",
                  std::string(fake::kCommonStartMenu) + "Интернет-сайт программы.url",
                  std::string(fake::kUserStartMenu) + "Норвелик.lnk",
                  std::string(fake::kUserStartMenu) + "Uninstall the program.lnk",
                  std::string(fake::kUserStartMenu) + "Program's website.url",
                  fake::kDesktopShortcut,
              }));
    // The folders of the shortcuts; the program folder goes last of all, after
    // the uninstaller, which this list does not hold.
    EXPECT_EQ(plan.foldersWhenEmpty,
              (std::vector<std::string>{fake::kCommonStartMenu, fake::kUserStartMenu}));
    EXPECT_EQ(plan.programFolder, kFolder);
    EXPECT_EQ(plan.uninstaller, "");
    EXPECT_TRUE(plan.partlyRemoved) << "gone.cok is missing";
    EXPECT_EQ(plan.registryKeys,
              (std::vector<std::string>{
                  "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik",
                  "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik",
              }));
    EXPECT_EQ(fake::Registry().openKeys(), 0) << "every key opened is closed again";
}

TEST_F(UninstallPlanTest, LanguageFilesGoFromTheLanguageFolderWhichGoesWhenEmpty) {
    fake::Files().AddFile(kFolder + "language\\rus.lng", "ru");
    fake::Files().AddFile(kFolder + "language\\!codes.lng", "codes");
    fake::Files().AddFile(kFolder + "language\\codes.lng", "not the setup's name");
    const UninstallPlan plan = PlanUninstall("Norvelik.exe;rus.lng;codes.lng;", kFolder);
    EXPECT_EQ(plan.files,
              (std::vector<std::string>{kFolder + "Norvelik.exe", kFolder + "language\\rus.lng",
                                        kFolder + "language\\!codes.lng"}));
    EXPECT_EQ(plan.foldersWhenEmpty.front(), kFolder + "language\\");

    const UninstallOutcome outcome = ExecutePlan(plan, "");
    EXPECT_EQ(fake::FileNamesIn(kFolder + "language\\"), std::vector<std::string>{"codes.lng"});
    EXPECT_EQ(outcome.foldersKept, (std::vector<std::string>{kFolder + "language\\", kFolder}));
    EXPECT_TRUE(outcome.Complete());
}

TEST_F(UninstallPlanTest, ListWithoutLanguageFilesLeavesALanguageFolderAlone) {
    fake::Files().AddFolder(kFolder + "language");
    const UninstallPlan plan = PlanUninstall("Norvelik.exe;", kFolder);
    for (const std::string& folder : plan.foldersWhenEmpty) {
        EXPECT_NE(folder, kFolder + "language\\");
    }
}

// An entry that cannot be deleted is named in the message, and the files
// still go. A link at an entry's name is such an entry: neither it nor the
// key it leads to is deleted, and that key keeps its values and subkeys.
TEST_F(UninstallPlanTest, ARefusedUninstallEntryIsReportedAndTheRestStillGoes) {
    const std::string native = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";
    const std::string stray =
        "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";
    const char* elsewhere = "HKLM\\Software\\Other\\Program";
    enum class Refusal { MachineReadOnly, EntryIsALink, StrayEntryIsALink };
    struct Row {
        const char* what;
        Refusal refusal;
        std::vector<std::string> left;
    } rows[] = {
        {"a user without rights", Refusal::MachineReadOnly, {native, stray}},
        {"the entry a link", Refusal::EntryIsALink, {native}},
        {"the 32-bit node's entry a link", Refusal::StrayEntryIsALink, {stray}},
    };
    for (const Row& r : rows) {
        SetUp();
        fake::Registry().SetString(elsewhere, "DisplayName", "Другая программа");
        fake::Registry().SetString(std::string(elsewhere) + "\\Settings", "Colour", "синий");
        if (r.refusal == Refusal::EntryIsALink) {
            fake::Registry().MakeLink(fake::kNativeEntry, elsewhere);
        }
        if (r.refusal == Refusal::StrayEntryIsALink) {
            fake::Registry().MakeLink(fake::kStrayEntry, elsewhere);
        }
        UninstallPlan plan = PlanUninstall(ProductFileList("Norvelik"), kFolder);
        EXPECT_EQ(plan.registryKeys, (std::vector<std::string>{native, stray})) << r.what;
        if (r.refusal == Refusal::MachineReadOnly) fake::Registry().hklmReadOnly = true;
        const UninstallOutcome outcome = ExecutePlan(plan, "");

        EXPECT_EQ(outcome.registryKeysLeft, r.left) << r.what;
        EXPECT_EQ(fake::Registry().IsLink(fake::kNativeEntry), r.refusal == Refusal::EntryIsALink)
            << r.what;
        EXPECT_EQ(fake::Registry().IsLink(fake::kStrayEntry),
                  r.refusal == Refusal::StrayEntryIsALink)
            << r.what;
        EXPECT_EQ(fake::Registry().ValueNamesInOrder(elsewhere),
                  std::vector<std::string>{"DisplayName"})
            << r.what;
        EXPECT_EQ(fake::Registry().String(std::string(elsewhere) + "\\Settings", "Colour"), "синий")
            << r.what;
        EXPECT_FALSE(fake::Files().HasFile(kFolder + "Norvelik.exe")) << r.what;
        EXPECT_FALSE(outcome.Complete()) << r.what;
        const OutcomeText text = DescribeOutcome(outcome, kFolder);
        EXPECT_TRUE(text.warning) << r.what;
        EXPECT_EQ(text.russian,
                  "Программа \"Норвелик\" удалена с Вашего компьютера.\r\n\r\n"
                  "Не удаётся удалить запись программы из списка установленных программ.")
            << r.what;
        EXPECT_EQ(text.english,
                  "\"Норвелик\" has been removed from your computer.\r\n\r\n"
                  "The program's entry in the list of installed programs could not be removed.")
            << r.what;
    }
}

TEST_F(UninstallPlanTest, OnA32BitWindowsTheOneEntryIsThePlainKey) {
    ShutdownCommonUnit();
    fake::Registry().Reset();
    fake::Registry().wow64Process = false;
    fake::SystemInfo().architecture = 0;  // x86
    ResetIsWin64();
    fake::Registry().SetString(
        "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik",
        "UninstallString", kFolder + "uninstall.exe");
    StartCommonUnit();
    WriteProductIdentity();
    ASSERT_TRUE(ReadSystemFolders());

    const UninstallOutcome outcome = ExecutePlan(PlanUninstall("", kFolder), "");
    EXPECT_TRUE(outcome.registryKeysLeft.empty());
    EXPECT_FALSE(fake::Registry().KeyExists(fake::kNativeEntry));
}
