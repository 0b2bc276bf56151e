#include "engine/install_date.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

namespace {

class InstallDateTest : public FakePlatformTest {};

TEST_F(InstallDateTest, WritesYearMonthDayWithTwoDigitMonthAndDay) {
    struct Row {
        platform::LocalDate today;
        const char* text;
    } rows[] = {
        {{2024, 3, 5}, "20240305"},
        {{2023, 12, 31}, "20231231"},
        {{2025, 10, 1}, "20251001"},
        {{2026, 1, 19}, "20260119"},
    };
    for (const Row& r : rows) {
        fake::Clock().today = r.today;
        EXPECT_EQ(InstallDateText(), r.text);
    }
}

}  // namespace
