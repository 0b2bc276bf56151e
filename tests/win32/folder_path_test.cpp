// Which levels of a path exist to be created, and where the volume ends.
#include "folder_path.h"

#include <vector>

#include "check.h"

using platform::win32::FolderLevels;
using platform::win32::ParentFolder;
using platform::win32::RootLength;
using platform::win32::WithoutTrailingSeparators;

class FolderPath : public sandbox::Test {};

TEST_F(FolderPath, RootEndsAfterDriveShareOrLeadingBackslash) {
    struct Row {
        const char* path;
        std::size_t root;
    };
    const Row rows[] = {
        {"C:\\A\\B", 3},
        {"c:\\", 3},
        {"C:", 2},
        {"C:A", 2},
        {"\\\\srv\\share\\A", 11},
        {"\\\\srv\\share", 11},
        {"\\\\srv", 5},
        {"\\\\?\\C:\\A", 7},
        {"\\\\?\\UNC\\srv\\share\\A", 17},
        {"\\A\\B", 1},
        {"A\\B", 0},
        {"", 0},
        {"1:\\A", 0},  // not a drive letter
    };
    for (const Row& row : rows) EXPECT_EQ(RootLength(row.path), row.root);
}

TEST_F(FolderPath, TrailingBackslashesGoButTheRootKeepsItsOwn) {
    struct Row {
        const char* path;
        const char* expected;
    };
    const Row rows[] = {
        {"C:\\A\\B\\", "C:\\A\\B"},
        {"C:\\A\\\\", "C:\\A"},
        {"C:\\", "C:\\"},
        {"C:\\\\", "C:\\"},
        {"\\\\srv\\share\\", "\\\\srv\\share"},
        {"Norvelik\\", "Norvelik"},
        {"\\", "\\"},
        {"", ""},
    };
    for (const Row& row : rows) EXPECT_EQ(WithoutTrailingSeparators(row.path), row.expected);
}

TEST_F(FolderPath, ParentStopsAtTheRoot) {
    struct Row {
        const char* path;
        const char* parent;
    };
    const Row rows[] = {
        {"C:\\A\\B", "C:\\A"},
        {"C:\\A", "C:\\"},
        {"C:\\", ""},
        {"\\\\srv\\share\\A", "\\\\srv\\share"},
        {"\\\\srv\\share", ""},
        {"A\\B", "A"},
        {"A", ""},
        {"\\A", "\\"},
    };
    for (const Row& row : rows) EXPECT_EQ(ParentFolder(row.path), row.parent);
}

TEST_F(FolderPath, LevelsRunFromBelowTheRootToThePath) {
    using Levels = std::vector<std::string>;
    EXPECT_EQ(FolderLevels("C:\\A\\B\\C"), (Levels{"C:\\A", "C:\\A\\B", "C:\\A\\B\\C"}));
    EXPECT_EQ(FolderLevels("\\\\srv\\share\\A\\B"),
              (Levels{"\\\\srv\\share\\A", "\\\\srv\\share\\A\\B"}));
    EXPECT_EQ(FolderLevels("Norvelik\\Data"), (Levels{"Norvelik", "Norvelik\\Data"}));
    EXPECT_EQ(FolderLevels("C:\\A\\\\B"), (Levels{"C:\\A", "C:\\A\\\\B"}));
    EXPECT_EQ(FolderLevels("C:\\"), Levels{});
    EXPECT_EQ(FolderLevels("\\\\srv\\share"), Levels{});
}
