#include "ui/folder_picker.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {

using platform::FolderDialogOutcome;

TEST(FolderDialogFlagsTest, OptionsMapToTheirFlags) {
    struct Row {
        bool editBox, files, newFolder;
        std::uint32_t flags;
    } rows[] = {
        {false, false, true, 0x0041}, {false, false, false, 0x0241}, {true, false, true, 0x0051},
        {false, true, true, 0x4041},  {true, true, false, 0x4251},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(FolderDialogFlags(r.editBox, r.files, r.newFolder), r.flags)
            << r.editBox << r.files << r.newFolder;
    }
}

class BrowseForFolderTest : public FakePlatformTest {};

TEST_F(BrowseForFolderTest, StartsAtAnExistingFolderAndTakesOnlyAChoice) {
    struct Row {
        const char* name;
        bool startExists;
        FolderDialogOutcome outcome;
        bool result;
        const char* startFolder;  // handed to the dialog
        const char* folderAfter;
    } rows[] = {
        {"chosen", true, FolderDialogOutcome::Chosen, true, "C:\\Apps\\", "D:\\Games"},
        {"chosen from nowhere", false, FolderDialogOutcome::Chosen, true, "", "D:\\Games"},
        {"cancelled", true, FolderDialogOutcome::Cancelled, false, "C:\\Apps\\", "C:\\Apps\\"},
        {"cancelled, missing start", false, FolderDialogOutcome::Cancelled, false, "", ""},
        {"no dialog", true, FolderDialogOutcome::Unavailable, false, "C:\\Apps\\", "C:\\Apps\\"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        fake::ResetAll();
        if (r.startExists) fake::Files().AddFolder("C:\\Apps");
        fake::Shell().dialogOutcome = r.outcome;
        fake::Shell().dialogChoice = "D:\\Games";
        std::string folder = "C:\\Apps\\";

        EXPECT_EQ(BrowseForFolder("Где?", L"C:\\Root", folder, true, false, false), r.result);

        EXPECT_EQ(folder, r.folderAfter);
        ASSERT_EQ(fake::Shell().dialogs.size(), 1u);
        const platform::FolderDialogSpec& d = fake::Shell().dialogs[0];
        EXPECT_EQ(d.title, "Где?");
        EXPECT_EQ(d.root, L"C:\\Root");
        EXPECT_EQ(d.startFolder, r.startFolder);
        EXPECT_EQ(d.flags, 0x0251u);
    }
}

}  // namespace
