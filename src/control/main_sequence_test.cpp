#include "control/main_sequence.h"

#include "control/installer_state.h"
#include "fake_platform.h"
#include "host/windows_version.h"

class MainSequenceTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        ResetIsWin64();
    }
};

TEST_F(MainSequenceTest, RunsTheChecksBetweenStartAndShutdownAndEndsWithZero) {
    struct Row {
        std::uint32_t lcid;
        int answer;
        std::size_t boxes;
    } rows[] = {{0x0409, 7, 1}, {0x0409, 6, 1}, {0x0419, 7, 0}};
    for (const Row& r : rows) {
        fake::ResetAll();
        fake::SystemInfo().lcid = r.lcid;
        fake::MessageBoxes().answers = {r.answer};
        EXPECT_EQ(RunSetup(), 0);
        EXPECT_TRUE(fake::Shell().comInitialized);
        EXPECT_EQ(fake::MessageBoxes().shown.size(), r.boxes);
        EXPECT_EQ(State().Reg, nullptr);
        EXPECT_EQ(fake::Registry().openKeys(), 0);
    }
}
