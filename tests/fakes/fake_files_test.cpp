// What the fake file system models beyond the rules the contract tests hold
// it and Windows to (tests/contract): a volume that fills up.
#include "fake_platform.h"

class FakeFilesTest : public FakePlatformTest {};

TEST_F(FakeFilesTest, FullDiskKeepsWhatWasWrittenAndReportsDiskFull) {
    fake::Files().AddFolder("C:\\P");
    fake::Files().freeBytes = 3;
    EXPECT_EQ(platform::WriteWholeFile("C:\\P\\f", "abcdef", 6, platform::CreateMode::CreateAlways),
              platform::kErrorDiskFull);
    EXPECT_EQ(fake::Files().Bytes("C:\\P\\f"), "abc");
}
