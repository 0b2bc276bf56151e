#include "engine/progress_unit.h"

#include <numeric>
#include <vector>

#include "fake_platform.h"

namespace {

using ProgressUnitTest = FakePlatformTest;
using Calls = std::vector<std::string>;

TEST_F(ProgressUnitTest, FirstShowStartsTheThreadWithBothTexts) {
    ShowProgress("Title", "line");
    EXPECT_EQ(fake::ProgressWindow().calls, Calls{"start Title|line"});
    EXPECT_EQ(fake::ProgressWindow().caption, "Title");
    EXPECT_EQ(fake::ProgressWindow().text, "line");
}

// Once the window is up, a show sets both lines and places the window again
// rather than starting a second thread.
TEST_F(ProgressUnitTest, ShowOnAWindowThatIsUpResetsTextsAndShowsIt) {
    ShowProgress("Title", "line");
    HideProgress();
    ShowProgress("", "");
    EXPECT_EQ(fake::ProgressWindow().threadsStarted, 1);
    EXPECT_EQ(fake::ProgressWindow().calls,
              (Calls{"start Title|line", "hide", "caption ", "text ", "show"}));
    EXPECT_TRUE(fake::ProgressWindow().visible);
    EXPECT_EQ(fake::ProgressWindow().caption, "");
    EXPECT_EQ(fake::ProgressWindow().text, "");
}

TEST_F(ProgressUnitTest, CaptionIsStoredUntilTheWindowIsUp) {
    fake::ProgressWindow().comesUp = false;
    SetProgressCaption("early");
    EXPECT_EQ(fake::ProgressWindow().storedCaption, "early");
    fake::ProgressWindow().comesUp = true;
    ShowProgress("Title", "");
    SetProgressCaption("late");
    EXPECT_EQ(fake::ProgressWindow().caption, "late");
    EXPECT_EQ(fake::ProgressWindow().storedCaption, "early");
}

TEST_F(ProgressUnitTest, TextPositionAndHideReachTheWindow) {
    ShowProgress("Title", "");
    SetProgressText("C:\\N\\nvf.cok");
    SetProgressPosition(7);
    HideProgress();
    SetProgressText("hidden");
    EXPECT_EQ(fake::ProgressWindow().text, "hidden");
    EXPECT_EQ(fake::ProgressWindow().position, 7);
    EXPECT_FALSE(fake::ProgressWindow().visible);
}

TEST_F(ProgressUnitTest, RangeReturnsAtOnceWhenTheBarExists) {
    ShowProgress("Title", "");
    EXPECT_TRUE(SetProgressRange(29));
    EXPECT_EQ(fake::ProgressWindow().rangeMax, 29);
    EXPECT_TRUE(fake::Clock().sleeps.empty());
}

// The window thread creates the bar late: the range call keeps asking until
// the bar reports the range.
TEST_F(ProgressUnitTest, RangeWaitsForALateBar) {
    fake::ProgressWindow().comesUp = false;
    ShowProgress("Title", "");
    fake::Clock().afterSleep = [](std::size_t sleeps) {
        if (sleeps == 3) fake::ProgressWindow().up = true;
    };
    EXPECT_TRUE(SetProgressRange(29));
    EXPECT_EQ(fake::Clock().sleeps.size(), 3u);
    EXPECT_EQ(fake::ProgressWindow().rangeMax, 29);
}

// A window that never comes up must not hang the installation.
TEST_F(ProgressUnitTest, RangeGivesUpOnAWindowThatNeverComesUp) {
    fake::ProgressWindow().comesUp = false;
    ShowProgress("Title", "");
    EXPECT_FALSE(SetProgressRange(29));
    const std::vector<std::uint32_t>& sleeps = fake::Clock().sleeps;
    std::uint64_t slept = std::accumulate(sleeps.begin(), sleeps.end(), std::uint64_t{0});
    EXPECT_GE(slept, kProgressRangeWaitMs);
    EXPECT_LT(slept, kProgressRangeWaitMs + kProgressRangePauseMs + 1);
    for (std::uint32_t pause : sleeps) EXPECT_LE(pause, kProgressRangePauseMs);
}

}  // namespace
