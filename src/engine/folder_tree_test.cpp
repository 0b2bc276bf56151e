#include "engine/folder_tree.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {

class FolderTreeTest : public FakePlatformTest {};

TEST_F(FolderTreeTest, DeletesTheWholeTreeOfAnAbsoluteFolder) {
    fake::Files().AddFile("C:\\Menu\\Норвелик\\a.lnk", "a");
    fake::Files().AddFile("C:\\Menu\\Норвелик\\Sub\\b.lnk", "b");
    fake::Files().AddFile("C:\\Menu\\Other\\c.lnk", "c");

    EXPECT_TRUE(DeleteFolderTree("C:\\Menu\\Норвелик\\"));
    EXPECT_FALSE(fake::Files().HasFolder("C:\\Menu\\Норвелик"));
    EXPECT_TRUE(fake::Files().HasFile("C:\\Menu\\Other\\c.lnk"));
}

TEST_F(FolderTreeTest, AnswersFalseWhenNothingWasDeleted) {
    fake::Files().AddFile("C:\\Menu\\Норвелик\\held.lnk", "a");
    fake::Files().File("C:\\Menu\\Норвелик\\held.lnk")->held = fake::FakeFile::Held::NoSharing;
    EXPECT_FALSE(DeleteFolderTree("C:\\Menu\\Missing\\"));
    EXPECT_FALSE(DeleteFolderTree("C:\\Menu\\Норвелик\\"));
}

TEST_F(FolderTreeTest, RefusesARelativePath) {
    // The fake file system keeps a relative path as it is given.
    fake::Files().AddFile("Норвелик\\keep.txt", "mine");
    EXPECT_FALSE(DeleteFolderTree("Норвелик\\"));
    EXPECT_TRUE(fake::Files().HasFile("Норвелик\\keep.txt"));
}

// A user may put links where the tree is, or in it: what they lead to stays,
// and a link back up the tree cannot make the walk go round.
TEST_F(FolderTreeTest, NeverDeletesWhatALinkLeadsTo) {
    enum class Plant { InsideTheTree, AtTheTreeItself, OnTheWayToTheTree };
    const std::string tree = "C:\\Menu\\Норвелик\\";
    for (Plant plant : {Plant::InsideTheTree, Plant::AtTheTreeItself, Plant::OnTheWayToTheTree}) {
        SetUp();
        fake::FakeFiles& files = fake::Files();
        files.AddFile("C:\\Docs\\Work\\report.txt", "report");
        files.AddFile("C:\\Docs\\letter.txt", "letter");
        switch (plant) {
            case Plant::InsideTheTree:
                files.AddFile(tree + "a.lnk", "a");
                files.AddFolderLink(tree + "Work", "C:\\Docs\\Work");
                files.AddFolderLink(tree + "Sub\\Loop", tree);
                files.AddLink(tree + "letter.txt", "C:\\Docs\\letter.txt");
                break;
            case Plant::AtTheTreeItself:
                files.AddFolder("C:\\Menu");
                files.AddFolderLink(tree, "C:\\Docs\\Work");
                break;
            case Plant::OnTheWayToTheTree:
                files.AddFile("C:\\Docs\\Норвелик\\kept.lnk", "kept");
                files.AddFolderLink("C:\\Menu", "C:\\Docs");
                break;
        }
        const int row = static_cast<int>(plant);

        EXPECT_EQ(DeleteFolderTree(tree), plant != Plant::OnTheWayToTheTree) << row;
        EXPECT_EQ(files.Bytes("C:\\Docs\\Work\\report.txt"), "report") << row;
        EXPECT_EQ(files.Bytes("C:\\Docs\\letter.txt"), "letter") << row;
        EXPECT_EQ(files.HasFile("C:\\Docs\\Норвелик\\kept.lnk"), plant == Plant::OnTheWayToTheTree)
            << row;
        if (plant != Plant::OnTheWayToTheTree) {
            EXPECT_FALSE(files.HasFolder(tree)) << row;
            EXPECT_FALSE(files.IsLink(tree)) << row;
        }
    }
}

}  // namespace
