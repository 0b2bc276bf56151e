#include "lang/lang_unit.h"

#include <string>

#include "fake_platform.h"
#include "installation/installer_state.h"

namespace {

class LangUnitTest : public FakePlatformTest {
  protected:
    const std::string path = "C:\\N\\language\\ru.lng";
    std::int32_t ReadFrom(const std::string& text) {
        fake::Files().AddFile(path, text);
        return ReadLanguageFileVersion(path);
    }
};

struct LangCase {
    const char* what;
    std::string text;
    std::int32_t stamp;
    bool reported;
};

TEST_F(LangUnitTest, FindsTheStampOrReportsTheFile) {
    const LangCase cases[] = {
        {"header in capitals", "[Main]\r\nx=1\r\n[LANGVER]\r\n12\r\n[Other]\r\n5\r\n", 12, false},
        {"header with trailing blanks", "[langver]  \t\r\n7\r\n", 7, false},
        {"text after the bracket", "[LangVer] old\r\n8\r\n", 8, false},
        {"LF-only lines", "[langver]\n9\nz\n", 9, false},
        {"blank before the header", " [langver]\r\n7\r\n2\r\n", 2, false},
        {"header on the last line", "a\r\n[langver]\r\n", 0, true},
        {"header on the last line, no break", "a\r\n[langver]", 0, true},
        {"no section, number last", "[Main]\r\nx=1\r\n3\r\n", 3, false},
        {"no section, text last", "[Main]\r\nx=1\r\n", 0, true},
        {"empty file", "", 0, true},
        {"other section only", "[langvers]\r\n4\r\n", 4, false},
        {"stamp with garbage", "[langver]\r\n12a\r\n", 0, true},
        {"negative stamp", "[langver]\r\n-5\r\n", -5, false},
    };
    for (const LangCase& c : cases) {
        fake::ResetAll();
        EXPECT_EQ(ReadFrom(c.text), c.stamp) << c.what;
        EXPECT_EQ(fake::MessageBoxes().shown.size(), c.reported ? 1u : 0u) << c.what;
    }
}

TEST_F(LangUnitTest, MissingFileGivesZeroSilently) {
    EXPECT_EQ(ReadLanguageFileVersion(path), 0);
    EXPECT_TRUE(fake::MessageBoxes().shown.empty());
}

TEST_F(LangUnitTest, HeldFileIsReportedWithItsPath) {
    fake::Files().AddFile(path, "[langver]\r\n3\r\n");
    fake::Files().File(path)->held = fake::FakeFile::Held::NoSharing;
    State().IsRussian = false;
    EXPECT_EQ(ReadLanguageFileVersion(path), 0);
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].text,
              "Can't handle the language support file C:\\N\\language\\ru.lng");
}

TEST_F(LangUnitTest, RussianMessageNamesThePath) {
    State().IsRussian = true;
    EXPECT_EQ(ReadFrom("[langver]\r\nx\r\n"), 0);
    ASSERT_EQ(fake::MessageBoxes().shown.size(), 1u);
    EXPECT_EQ(fake::MessageBoxes().shown[0].text,
              "Не удаётся работать с файлом языковой поддержки C:\\N\\language\\ru.lng");
}

struct ParseCase {
    const char* line;
    bool ok;
    std::int32_t value;
};

// Leading blanks are allowed, as the usual string-to-integer routine allows
// them; anything after the digits is not, and neither is overflow.
TEST(StampLineTest, AcceptsOnlyAWholeSigned32BitNumber) {
    const ParseCase cases[] = {
        {"0", true, 0},
        {"  42", true, 42},
        {"+7", true, 7},
        {"-2147483648", true, INT32_MIN},
        {"2147483647", true, INT32_MAX},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"42 ", false, 0},
        {"4 2", false, 0},
        {"", false, 0},
        {"   ", false, 0},
        {"-", false, 0},
        {"+-1", false, 0},
        {"0x10", false, 0},
        {"\t5", false, 0},
    };
    for (const ParseCase& c : cases) {
        std::int32_t value = 12345;
        EXPECT_EQ(ParseStampLine(c.line, &value), c.ok) << c.line;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.line;
        }
    }
}

}  // namespace
