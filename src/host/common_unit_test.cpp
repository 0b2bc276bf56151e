#include "host/common_unit.h"

#include "fake_platform.h"
#include "host/random_source.h"
#include "host/registry_object.h"
#include "host/windows_version.h"
#include "installation/installer_state.h"

namespace {

std::string EightLetters() {
    std::string name;
    for (int i = 0; i < 8; ++i) name += RandomLowercaseLetter();
    return name;
}

}  // namespace

class CommonUnitTest : public FakePlatformTest {
  protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        ResetIsWin64();
    }
    void TearDown() override { ShutdownCommonUnit(); }
};

TEST(RussianLocaleTest, OnlyTheSevenCyrillicLocalesSelectRussian) {
    struct Row {
        std::uint32_t lcid;
        bool russian;
    } rows[] = {
        {0x0402, true},      {0x0419, true},      {0x0422, true},
        {0x0423, true},      {0x043F, true},      {0x0444, true},
        {0x0819, true},      {0x0C1A, false},  // Serbian (Cyrillic)
        {0x0409, false},     {0x0000, false},     {0x0418, false},
        {0x041A, false},     {0x0440, false},      // Kyrgyz (Cyrillic)
        {0x0450, false},                           // Mongolian (Cyrillic)
        {0x0819 + 1, false}, {0x00010419, false},  // a sort-order variant: the whole value is
                                                   // compared
    };
    for (const Row& r : rows) {
        EXPECT_EQ(IsRussianLocale(r.lcid), r.russian) << std::hex << r.lcid;
    }
}

TEST_F(CommonUnitTest, ChoosesTheModeFromTheUserLocaleAndMarksVersionsUnset) {
    State().VersionMajor = 7;
    State().VersionMinor = 8;
    fake::SystemInfo().lcid = 0x0819;
    StartCommonUnit();
    EXPECT_TRUE(State().IsRussian);
    EXPECT_EQ(State().VersionMajor, -1);
    EXPECT_EQ(State().VersionMinor, -1);
    ShutdownCommonUnit();

    fake::SystemInfo().lcid = 0x0409;
    StartCommonUnit();
    EXPECT_FALSE(State().IsRussian);
}

TEST_F(CommonUnitTest, RegistryObjectNamesThe64BitViewOnlyOn64BitWindows) {
    struct Row {
        const char* what;
        platform::VersionRecord version;
        std::uint16_t architecture;
        std::uint32_t access;
    } rows[] = {
        {"7 x64", {6, 1, 7601, 2, "Service Pack 1", 1, 0, 0x0100, 1}, 9, 0xF013F},
        {"7 x86", {6, 1, 7601, 2, "Service Pack 1", 1, 0, 0x0100, 1}, 0, 0xF003F},
        // " x64" is not " 64": XP x64 keeps the plain mask.
        {"XP x64", {5, 2, 3790, 2, "Service Pack 2", 2, 0, 0x0100, 1}, 9, 0xF003F},
        {"unknown platform", {6, 1, 7601, 3, "", 0, 0, 0, 1}, 9, 0xF003F},
    };
    for (const Row& r : rows) {
        fake::SystemInfo().version = r.version;
        fake::SystemInfo().architecture = r.architecture;
        ResetIsWin64();
        StartCommonUnit();
        ASSERT_TRUE(HasReg()) << r.what;
        EXPECT_EQ(Reg().Access(), r.access) << r.what;
        EXPECT_EQ(Reg().Root(), platform::RegRoot::CurrentUser) << r.what;
        EXPECT_FALSE(Reg().HasOpenKey()) << r.what;
        ShutdownCommonUnit();
    }
}

TEST_F(CommonUnitTest, SeedsTheGeneratorFromTheClock) {
    // On 6.2 without a product name the description runs "ver", which must
    // take nothing from the generator: the next draws are the seed's first.
    fake::SystemInfo().version = {6, 2, 9200, 2, "", 0, 0, 0x0100, 1};
    fake::Clock().seed = 4242;
    StartCommonUnit();
    EXPECT_EQ(fake::Processes().hiddenRuns.size(), 1u);
    const std::string drawn = EightLetters();
    SeedRandom(4242);
    EXPECT_EQ(drawn, EightLetters());
}

TEST_F(CommonUnitTest, ShutdownFreesTheRegistryObjectAndItsOpenKey) {
    fake::Registry().CreateKey("HKCU\\Software\\X");
    StartCommonUnit();
    ASSERT_TRUE(Reg().OpenKey("Software\\X", false));
    State().ProductName = "Norvelik";
    ShutdownCommonUnit();
    EXPECT_FALSE(HasReg());
    EXPECT_EQ(fake::Registry().openKeys(), 0);
    EXPECT_EQ(State().ProductName, "");
}
