#include "installation/path_rules.h"

#include <gtest/gtest.h>

#include "platform/text_code_page.h"

namespace {

// "" in the second column: not absolute, so no folder of its own.
TEST(PathRulesTest, ReadsAFolderAsWindowsDoes) {
    struct Row {
        const char* path;
        const char* normal;
    } rows[] = {
        {"C:\\Programs\\Норвелик\\", "C:\\Programs\\Норвелик\\"},
        {"d:\\x", "d:\\x\\"},
        {"C:\\", "C:\\"},
        {"C:/Norvelik", "C:\\Norvelik\\"},
        {"C:\\Program Files\\\\Norvelik", "C:\\Program Files\\Norvelik\\"},
        {"C:\\Norvelik/../windows/system32", "C:\\windows\\system32\\"},
        {"C:\\Norvelik/..", "C:\\"},
        {"C:\\Norvelik\\..\\..\\..", "C:\\"},  // never above the drive
        {"C:\\.\\Norvelik\\.", "C:\\Norvelik\\"},
        {"C:\\Norvelik. . ", "C:\\Norvelik\\"},
        {"C:\\Games.\\Norvelik ..\\", "C:\\Games\\Norvelik\\"},
        {"C:\\Norvelik\\...\\x", "C:\\Norvelik\\x\\"},
        {"C:\\...Norvelik\\Norvelik.1500", "C:\\...Norvelik\\Norvelik.1500\\"},
        {"C:\\ Norvelik", "C:\\ Norvelik\\"},  // blanks in front are part of the name
        {"\\\\?\\C:\\Norvelik", "C:\\Norvelik\\"},
        {"\\\\?\\C:\\Norvelik\\..", "C:\\"},
        {"\\\\?\\unc\\server\\share\\Norvelik", "\\\\server\\share\\Norvelik\\"},
        {"\\\\server\\share\\Норвелик\\", "\\\\server\\share\\Норвелик\\"},
        {"//server/share", "\\\\server\\share\\"},
        {"\\\\server\\share\\..\\..\\other",
         "\\\\server\\share\\other\\"},  // never above the share
        {"Норвелик\\", ""},
        {"C:Норвелик\\", ""},  // relative to the current folder of drive C
        {"\\Норвелик\\", ""},  // relative to the current drive
        {"C:", ""},
        {"1:\\x", ""},
        {"\\\\server", ""},
        {"\\\\server\\", ""},
        {"\\\\server\\\\share", ""},
        {"\\\\\\share", ""},
        {"\\\\.\\C:\\Norvelik", ""},  // devices, not folders
        {"\\\\?\\Volume{1}\\Norvelik", ""},
        {"", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.path);
        EXPECT_EQ(NormalFolder(r.path), r.normal);
        EXPECT_EQ(IsAbsolutePath(r.path), *r.normal != '\0');
        // The normal form is its own normal form.
        EXPECT_EQ(NormalFolder(r.normal), r.normal);
    }
}

struct ComparisonRow {
    const char* a;
    const char* b;
    bool sameName;
    bool sameFolder;
};

const ComparisonRow kComparisons[] = {
    {"C:\\Program Files\\Norvelik\\", "c:\\PROGRAM FILES\\norvelik\\", true, true},
    {"C:\\Программы\\Норвелик", "c:\\ПРОГРАММЫ\\норвелик", true, true},
    {"C:\\Ёлка", "c:\\ёлка", true, true},
    {"C:\\Їжак Ґанок Єва Ўлад Ђак Јак Ѕело", "c:\\їжак ґанок єва ўлад ђак јак ѕело", true, true},
    {"C:\\Program Files\\\\Norvelik", "C:\\Program Files\\Norvelik\\", false, true},
    {"\\\\?\\C:\\Norvelik", "C:\\Norvelik", false, true},
    {"C:\\Norvelik/..", "C:\\", false, true},
    {"C:\\A\\", "C:\\A", false, true},
    {"\\\\Server\\Share\\A", "\\\\?\\UNC\\server\\share\\a\\", false, true},
    {"C:\\Норвелик", "C:\\Норвелик1", false, false},
    {"C:\\Ш", "C:\\щ", false, false},
    {"C:\\І", "C:\\ї", false, false},
    {"C:\\Norvelik", "D:\\Norvelik", false, false},
    {"Norvelik", "Norvelik", true, false},  // relative: no folder to compare
    {"C:\\µ", "C:\\µ", true, true},
    // Two letters that differ only in the byte UTF-8 puts second.
    {"C:\\Ѓ", "C:\\Ё", false, false},
};

void ExpectComparisons(const std::string& a, const std::string& b, const ComparisonRow& r) {
    SCOPED_TRACE(a + " / " + b);
    EXPECT_EQ(SameFileName(a, b), r.sameName);
    EXPECT_EQ(SameFileName(b, a), r.sameName);
    EXPECT_EQ(SameFolder(a, b), r.sameFolder);
    EXPECT_EQ(SameFolder(b, a), r.sameFolder);
}

TEST(PathRulesTest, ComparesNamesAndFoldersAsWindowsDoes) {
    for (const ComparisonRow& r : kComparisons) ExpectComparisons(r.a, r.b, r);
}

// The uninstaller's texts are UTF-8: the same names, the same answers.
TEST(PathRulesTest, ComparesUtf8NamesAndFoldersAsWindowsDoes) {
    platform::UseTextCodePage(platform::TextCodePage::Utf8);
    for (const ComparisonRow& r : kComparisons) {
        ExpectComparisons(platform::FromProgramText(r.a), platform::FromProgramText(r.b), r);
    }
    platform::UseTextCodePage(platform::TextCodePage::Ansi);
}

}  // namespace
