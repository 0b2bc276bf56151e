#include "engine/free_space.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"

namespace {

const std::string kFolder = "C:\\N\\";
const std::string kList = "a.exe;b.cok;c.dll;";

class FreeSpaceTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake::Payload().Add("A", "EXE", std::string(100, 'a'));
        fake::Payload().Add("B", "COK", std::string(40, 'b'));
        fake::Payload().Add("C", "DLL", std::string(10, 'c'));
        fake::Files().AddFolder("C:\\N");
    }
};

TEST_F(FreeSpaceTest, NeedCountsGrowthAndRoomForTheLargestTemporaryCopy) {
    struct Row {
        const char* what;
        int installedA, installedB, installedC;  // -1: absent
        std::uint64_t needed;
    } rows[] = {
        {"empty folder", -1, -1, -1, 150},
        {"same sizes installed", 100, 40, 10, 100},  // only the largest "~" copy
        {"smaller copies installed", 60, 40, -1, 40 + 10 + 60},
        {"larger copies installed", 500, 90, 20, 100},
        {"one small file installed", -1, -1, 4, 100 + 40 + 6 + 4},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        fake::Files().Reset();
        fake::Files().AddFolder("C:\\N");
        const int sizes[] = {r.installedA, r.installedB, r.installedC};
        const char* names[] = {"a.exe", "b.cok", "c.dll"};
        for (int i = 0; i < 3; ++i) {
            if (sizes[i] >= 0)
                fake::Files().AddFile(kFolder + names[i], std::string(sizes[i], 'o'));
        }
        EXPECT_EQ(BytesNeededIn(kFolder, kList), r.needed);
    }
}

TEST_F(FreeSpaceTest, ItemsMissingFromThePayloadNeedNothing) {
    EXPECT_EQ(BytesNeededIn(kFolder, "a.exe;missing.cok;"), 100u);
    EXPECT_EQ(BytesNeededIn(kFolder, ""), 0u);
}

TEST_F(FreeSpaceTest, ShortfallOnlyWhenFreeSpaceIsBelowTheNeed) {
    for (std::uint64_t freeBytes : {149u, 150u, 151u}) {
        fake::Files().freeBytes = freeBytes;
        const SpaceCheck check = CheckFreeSpace(kFolder, kList);
        EXPECT_EQ(check.enough, freeBytes >= 150) << freeBytes;
        EXPECT_EQ(check.neededBytes, 150u);
        EXPECT_EQ(check.freeBytes, freeBytes);
    }
}

TEST_F(FreeSpaceTest, UnreadableFreeSpaceDoesNotStopTheInstallation) {
    fake::Files().freeBytes = 0;
    // The fake cannot read the free space of a drive it does not know.
    EXPECT_TRUE(CheckFreeSpace("Q:\\N\\", kList).enough);
    EXPECT_FALSE(CheckFreeSpace(kFolder, kList).enough);
}

TEST(NotEnoughSpaceTextTest, NeedRoundsUpAndFreeRoundsDown) {
    const std::uint64_t mb = 1024 * 1024;
    struct Row {
        std::uint64_t needed, free;
        const char* numbers;  // "need free"
    } rows[] = {
        {170 * mb, 5 * mb, "170 5"},
        {170 * mb + 1, 5 * mb - 1, "171 4"},
        {1, 0, "1 0"},
        {5 * mb + 1, 5 * mb, "6 5"},
        {5000ull * mb, 4999ull * mb + mb / 2, "5000 4999"},
    };
    for (const Row& r : rows) {
        const std::string numbers(r.numbers);
        const std::string need = numbers.substr(0, numbers.find(' '));
        const std::string free = numbers.substr(numbers.find(' ') + 1);
        EXPECT_EQ(NotEnoughSpaceText(r.needed, r.free),
                  "Недостаточно места на диске: для установки нужно " + need + " МБ, свободно " +
                      free + " МБ.");
    }
}

}  // namespace
