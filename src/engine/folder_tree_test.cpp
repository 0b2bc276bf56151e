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
    ASSERT_FALSE(fake::Shell().deletedTrees.empty());
    EXPECT_EQ(fake::Shell().deletedTrees[0], "C:\\Menu\\Норвелик");  // no trailing backslash
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
    EXPECT_TRUE(fake::Shell().deletedTrees.empty());
}

}  // namespace
