// Wide texts of the system in the program's text code page: character for
// character or not at all, never a best-fit look-alike. Measured under Wine
// with code page 1251, "René Ŝ Ł Ω" converts with best fit to "Rene S L ?";
// without it, and checked, it does not convert.
#include "platform/text_code_page.h"

#include <windows.h>

#include "check.h"
#include "text_to_wide.h"

using namespace platform;

class TextCodePageChecks : public sandbox::Test {};

TEST_F(TextCodePageChecks, WideTextConvertsExactlyOrNotAtAll) {
    if (::GetACP() != 1251) {
        ADD_FAILURE() << "the checks run with the Cyrillic ANSI code page";
        return;
    }
    struct Row {
        TextCodePage page;
        std::wstring wide;
        bool exact;
        std::string text;    // the exact form, or "kept" when there is none
        std::string marked;  // what a text only shown becomes
    };
    const Row rows[] = {
        {TextCodePage::Ansi, L"", true, "", ""},
        {TextCodePage::Ansi, L"C:\\Users\\Lena", true, "C:\\Users\\Lena", "C:\\Users\\Lena"},
        {TextCodePage::Ansi, L"\x041D\x043E\x0440\x0432\x0435\x043B\x0438\x043A \x2116", true,
         "Норвелик №", "Норвелик №"},
        // é, Ŝ and Ł have look-alikes in 1251's best fit, Ω has none.
        {TextCodePage::Ansi, L"Ren\x00E9", false, "kept", "Ren?"},
        {TextCodePage::Ansi, L"Ren\x00E9 \x015C \x0141 \x03A9", false, "kept", "Ren? ? ? ?"},
        {TextCodePage::Utf8, L"Ren\x00E9 \x03A9", true, "Ren\xC3\xA9 \xCE\xA9",
         "Ren\xC3\xA9 \xCE\xA9"},
        {TextCodePage::Utf8, L"a\xD83D\xDE00", true, "a\xF0\x9F\x98\x80", "a\xF0\x9F\x98\x80"},
        // A surrogate without its pair has no UTF-8; U+FFFD in its place
        // could name a file that exists.
        {TextCodePage::Utf8, L"a\xD800z", false, "kept", "a?z"},
        {TextCodePage::Utf8, L"a\xDC00", false, "kept", "a?"},
    };
    for (const Row& row : rows) {
        const int n = static_cast<int>(&row - rows);
        UseTextCodePage(row.page);
        std::string text = "kept";
        EXPECT_EQ(win32::WideToTextExactly(row.wide, &text), row.exact) << n;
        EXPECT_EQ(text, row.text) << n;
        EXPECT_EQ(win32::WideToText(row.wide), row.exact ? row.text : "") << n;
        EXPECT_EQ(win32::WideToTextMarkingMissing(row.wide), row.marked) << n;
    }
}

TEST_F(TextCodePageChecks, ProgramTextsOfAnotherScriptBecomeQuestionMarksNotLookAlikes) {
    struct Row {
        std::string utf8;
        std::string cp1251;
    };
    const Row rows[] = {
        {"", ""},
        {"\xD0\x9D\xD0\xBE\xD1\x80\xD0\xB2\xD0\xB5\xD0\xBB\xD0\xB8\xD0\xBA", "Норвелик"},
        {"C:\\Users\\Ren\xC3\xA9\\Norvelik.exe", "C:\\Users\\Ren?\\Norvelik.exe"},
        {"\xC5\x9C\xC5\x81\xCE\xA9", "???"},
    };
    UseTextCodePage(TextCodePage::Utf8);
    for (const Row& row : rows) EXPECT_EQ(ToProgramText(row.utf8), row.cp1251) << row.utf8;
}
