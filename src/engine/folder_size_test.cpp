#include "engine/folder_size.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fake_platform.h"

namespace {

class FolderSizeTest : public FakePlatformTest {};

constexpr std::uint64_t kGiB = 1024ull * 1024 * 1024;

TEST_F(FolderSizeTest, CountsWholeKilobytesOfEveryFileBelowTheFolder) {
    struct File {
        const char* path;
        std::uint64_t size;
    };
    struct Row {
        const char* what;
        std::vector<File> files;
        std::int32_t expectedKb;
    } rows[] = {
        {"1536 bytes", {{"C:\\P\\a.exe", 1000}, {"C:\\P\\b.cok", 536}}, 1},
        {"1023 bytes", {{"C:\\P\\a.exe", 1023}}, 0},
        {"empty folder", {}, 0},
        {"nested folders",
         {{"C:\\P\\a", 1024}, {"C:\\P\\lng\\b", 2048}, {"C:\\P\\lng\\x\\y\\c", 4096}},
         7},
        // Summed in 32 bits this would wrap to 1 KB.
        {"over 4 GiB", {{"C:\\P\\big.cok", 4 * kGiB}, {"C:\\P\\small", 1024}}, 4 * 1024 * 1024 + 1},
        {"two files that wrap together",
         {{"C:\\P\\a", 3 * kGiB}, {"C:\\P\\b", 3 * kGiB}},
         6 * 1024 * 1024},
        {"beyond what the value can hold", {{"C:\\P\\huge", 4096 * kGiB}}, INT32_MAX},
    };
    for (const Row& r : rows) {
        fake::Files().Reset();
        fake::Files().AddFolder("C:\\P");
        for (const File& f : r.files) {
            fake::Files().AddFile(f.path, "");
            fake::Files().File(f.path)->reportedSize = f.size;
        }
        EXPECT_EQ(FolderSizeKB("C:\\P\\"), r.expectedKb) << r.what;
        EXPECT_EQ(FolderSizeKB("C:\\P"), r.expectedKb) << r.what << ", without backslash";
    }
}

// Links are not the product's files: never walked into, so that two links
// back to the folder cannot keep the walk going, and never counted.
TEST_F(FolderSizeTest, NeitherFollowsNorCountsLinks) {
    fake::FakeFiles& files = fake::Files();
    files.AddFile("C:\\P\\a", "");
    files.File("C:\\P\\a")->reportedSize = 2048;
    files.AddFile("C:\\Elsewhere\\big", "");
    files.File("C:\\Elsewhere\\big")->reportedSize = kGiB;
    files.AddFolderLink("C:\\P\\Back", "C:\\P");
    files.AddFolderLink("C:\\P\\Sub\\Up", "C:\\P");
    files.AddFolderLink("C:\\P\\Out", "C:\\Elsewhere");
    files.AddLink("C:\\P\\big", "C:\\Elsewhere\\big");
    EXPECT_EQ(FolderSizeKB("C:\\P\\"), 2);
}

TEST_F(FolderSizeTest, AnswersMinusOneForNoFolder) {
    fake::Files().AddFile("C:\\P\\file", "x");
    EXPECT_EQ(FolderSizeKB(""), -1);
    EXPECT_EQ(FolderSizeKB("C:\\Missing\\"), -1);
    EXPECT_EQ(FolderSizeKB("C:\\P\\file"), -1);
}

}  // namespace
