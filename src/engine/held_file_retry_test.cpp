#include "engine/held_file_retry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/install_file.h"
#include "fake_platform.h"

namespace {

const std::string kTarget = "C:\\N\\nvf.cok";
const std::string kTemporary = "C:\\N\\~nvf.cok";

TEST(RetryWhileHeldTest, RetriesOnlyErrorsThatWaitingCanCure) {
    struct Row {
        platform::ErrorCode error;
        std::size_t attempts;
    } rows[] = {
        {platform::kErrorSharingViolation, kHeldFileTries},
        {platform::kErrorAccessDenied, kHeldFileTries},
        {platform::kErrorDiskFull, 1},
        {platform::kErrorInvalidName, 1},
        {platform::kErrorPathNotFound, 1},
        {platform::kSuccess, 1},
    };
    for (const Row& r : rows) {
        fake::ResetAll();
        std::size_t attempts = 0;
        EXPECT_EQ(RetryWhileHeld([&] {
                      ++attempts;
                      return r.error;
                  }),
                  r.error);
        EXPECT_EQ(attempts, r.attempts) << r.error;
        EXPECT_EQ(fake::Clock().sleeps,
                  std::vector<std::uint32_t>(r.attempts - 1, kHeldFilePauseMs))
            << r.error;
    }
}

TEST(RetryWhileHeldTest, StopsAtTheFirstSuccess) {
    fake::ResetAll();
    int attempts = 0;
    EXPECT_EQ(RetryWhileHeld([&] {
                  return ++attempts < 3 ? platform::kErrorSharingViolation : platform::kSuccess;
              }),
              platform::kSuccess);
    EXPECT_EQ(attempts, 3);
    EXPECT_EQ(fake::Clock().sleeps.size(), 2u);
}

class HeldTargetTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake::Files().AddFile(kTarget, "installed copy");
        fake::Payload().Add("NVF", "COK", "new copy");
    }
    // The holder lets go after this many pauses (never when 0).
    void HolderLetsGoAfter(std::size_t pauses, fake::FakeFile::Held how) {
        fake::Files().File(kTarget)->held = how;
        fake::Clock().afterSleep = [pauses](std::size_t slept) {
            if (pauses != 0 && slept == pauses) {
                fake::Files().File(kTarget)->held = fake::FakeFile::Held::No;
            }
        };
    }
};

TEST_F(HeldTargetTest, FileReleasedWithinTheTriesIsInstalledWithoutAMessage) {
    for (auto how : {fake::FakeFile::Held::NoSharing, fake::FakeFile::Held::ReadSharing}) {
        for (std::size_t pauses = 1; pauses < kHeldFileTries; ++pauses) {
            SetUp();
            HolderLetsGoAfter(pauses, how);
            InstallFileFromResource("nvf", "cok", kTarget, false);
            EXPECT_EQ(fake::Files().Bytes(kTarget), "new copy") << pauses;
            EXPECT_FALSE(fake::Files().HasFile(kTemporary)) << pauses;
            EXPECT_TRUE(fake::MessageBoxes().shown.empty()) << pauses;
        }
    }
}

TEST_F(HeldTargetTest, FileHeldThroughEveryTryIsReportedAndKept) {
    HolderLetsGoAfter(kHeldFileTries, fake::FakeFile::Held::NoSharing);  // one pause too late
    InstallFileFromResource("nvf", "cok", kTarget, false);
    EXPECT_EQ(fake::Files().Bytes(kTarget), "installed copy");
    EXPECT_FALSE(fake::Files().HasFile(kTemporary));
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].text, "Can't install file " + kTarget);
    EXPECT_EQ(fake::Clock().sleeps.size(), static_cast<std::size_t>(kHeldFileTries - 1));
}

TEST_F(HeldTargetTest, FullDiskIsReportedWithoutWaiting) {
    fake::Files().freeBytes = 3;
    InstallFileFromResource("nvf", "cok", kTarget, false);
    EXPECT_EQ(fake::Files().Bytes(kTarget), "installed copy");
    EXPECT_FALSE(fake::Files().HasFile(kTemporary));
    EXPECT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_TRUE(fake::Clock().sleeps.empty());
}

}  // namespace
