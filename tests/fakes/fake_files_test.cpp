// The fake file system must refuse what Windows refuses, or the engine's
// failure paths go untested.
#include "fake_platform.h"

class FakeFilesTest : public FakePlatformTest {};

TEST_F(FakeFilesTest, FileNeedsItsFolderAndDriveMustExist) {
    const char b[] = "x";
    EXPECT_EQ(platform::WriteWholeFile("C:\\Missing\\f", b, 1, platform::CreateMode::CreateAlways),
              platform::kErrorPathNotFound);
    EXPECT_EQ(platform::CreateFolderTree("Q:\\A\\B"), platform::kErrorPathNotFound);
    EXPECT_EQ(platform::CreateFolderTree("C:\\A\\B"), platform::kSuccess);
    EXPECT_TRUE(platform::FolderExists("c:\\a\\b\\"));
}

TEST_F(FakeFilesTest, HeldFileRefusesWritesDeletesAndReplacement) {
    fake::Files().AddFile("C:\\P\\f.cok", "old");
    fake::Files().AddFile("C:\\P\\~f.cok", "new");
    fake::Files().File("C:\\P\\f.cok")->held = fake::FakeFile::Held::NoSharing;
    EXPECT_EQ(platform::WriteWholeFile("C:\\P\\f.cok", "n", 1, platform::CreateMode::CreateAlways),
              platform::kErrorSharingViolation);
    EXPECT_EQ(platform::DeleteFileAt("C:\\P\\f.cok"), platform::kErrorSharingViolation);
    EXPECT_NE(platform::MoveFileReplacing("C:\\P\\~f.cok", "C:\\P\\f.cok"), platform::kSuccess);
    EXPECT_EQ(fake::Files().Bytes("C:\\P\\f.cok"), "old");
}

TEST_F(FakeFilesTest, FullDiskKeepsWhatWasWrittenAndReportsDiskFull) {
    fake::Files().AddFolder("C:\\P");
    fake::Files().freeBytes = 3;
    EXPECT_EQ(platform::WriteWholeFile("C:\\P\\f", "abcdef", 6, platform::CreateMode::CreateAlways),
              platform::kErrorDiskFull);
    EXPECT_EQ(fake::Files().Bytes("C:\\P\\f"), "abc");
}

TEST_F(FakeFilesTest, InvalidCharactersAndLongPathsAreRefused) {
    EXPECT_EQ(platform::CreateFolderTree("C:\\a<b"), platform::kErrorInvalidName);
    EXPECT_EQ(platform::CreateFolderTree("C:\\" + std::string(300, 'a')),
              platform::kErrorFilenameTooLong);
}
