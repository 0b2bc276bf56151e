#include <windows.h>

#include "platform/text_code_page.h"
#include "text_to_wide.h"

namespace platform {

namespace {

constexpr UINT kCyrillic = 1251;

// Vista and later; the headers show it only for that Windows, the value is fixed.
constexpr DWORD kErrInvalidChars = 0x00000080;  // WC_ERR_INVALID_CHARS

UINT g_codePage = CP_ACP;

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int inLength = static_cast<int>(text.size());
    int outLength = ::MultiByteToWideChar(codePage, 0, text.data(), inLength, nullptr, 0);
    if (outLength <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(outLength), L'\0');
    outLength = ::MultiByteToWideChar(codePage, 0, text.data(), inLength, &wide[0], outLength);
    wide.resize(outLength > 0 ? static_cast<std::size_t>(outLength) : 0);
    return wide;
}

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Replaces each surrogate without its pair by "?"; false when there was none.
bool MarkUnpairedSurrogates(std::wstring* wide) {
    bool marked = false;
    for (std::size_t i = 0; i < wide->size(); ++i) {
        const wchar_t c = (*wide)[i];
        if (IsHighSurrogate(c) && i + 1 < wide->size() && IsLowSurrogate((*wide)[i + 1])) {
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            (*wide)[i] = L'?';
            marked = true;
        }
    }
    return marked;
}

// What becomes of a character the code page lacks.
enum class Missing { Refused, Marked };

// `wide` in `codePage` without best fit: a missing character is refused
// (false) or marked with the code page's default character ("?"). UTF-8,
// also as a system's ANSI code page, takes neither the best-fit flag nor a
// default character: all it cannot hold is a surrogate without its pair,
// which would otherwise become U+FFFD, a character file names may hold.
bool FromWide(UINT codePage, std::wstring wide, Missing missing, std::string* text) {
    if (wide.empty()) {
        text->clear();
        return true;
    }
    const bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && ::GetACP() == CP_UTF8);
    if (utf8 && MarkUnpairedSurrogates(&wide) && missing == Missing::Refused) return false;
    DWORD flags = utf8 ? kErrInvalidChars : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int inLength = static_cast<int>(wide.size());
    int outLength = ::WideCharToMultiByte(codePage, flags, wide.data(), inLength, nullptr, 0,
                                          nullptr, usedDefaultOut);
    // Windows before Vista knows no WC_ERR_INVALID_CHARS; the surrogates are checked above.
    if (outLength <= 0 && utf8 && ::GetLastError() == ERROR_INVALID_FLAGS) {
        flags = 0;
        outLength = ::WideCharToMultiByte(codePage, flags, wide.data(), inLength, nullptr, 0,
                                          nullptr, nullptr);
    }
    if (outLength <= 0) return false;
    if (usedDefault && missing == Missing::Refused) return false;
    std::string converted(static_cast<std::size_t>(outLength), '\0');
    outLength = ::WideCharToMultiByte(codePage, flags, wide.data(), inLength, &converted[0],
                                      outLength, nullptr, usedDefaultOut);
    if (outLength <= 0) return false;
    if (usedDefault && missing == Missing::Refused) return false;
    converted.resize(static_cast<std::size_t>(outLength));
    text->swap(converted);
    return true;
}

}  // namespace

void UseTextCodePage(TextCodePage codePage) {
    g_codePage = codePage == TextCodePage::Utf8 ? CP_UTF8 : CP_ACP;
}

TextCodePage CurrentTextCodePage() {
    return g_codePage == CP_UTF8 ? TextCodePage::Utf8 : TextCodePage::Ansi;
}

std::string FromProgramText(const std::string& cp1251) {
    if (g_codePage == CP_ACP) return cp1251;
    return win32::WideToText(ToWide(kCyrillic, cp1251));
}

std::string ToProgramText(const std::string& text) {
    if (g_codePage == CP_ACP) return text;
    std::string cp1251;
    FromWide(kCyrillic, win32::TextToWide(text), Missing::Marked, &cp1251);
    return cp1251;
}

std::string FromAnsiText(const std::string& ansi) {
    if (g_codePage == CP_ACP) return ansi;
    return win32::WideToText(ToWide(CP_ACP, ansi));
}

namespace win32 {

std::wstring TextToWide(const std::string& text) { return ToWide(g_codePage, text); }

bool WideToTextExactly(const std::wstring& wide, std::string* text) {
    return FromWide(g_codePage, wide, Missing::Refused, text);
}

std::string WideToText(const std::wstring& wide) {
    std::string text;
    WideToTextExactly(wide, &text);
    return text;
}

std::string WideToTextMarkingMissing(const std::wstring& wide) {
    std::string text;
    FromWide(g_codePage, wide, Missing::Marked, &text);
    return text;
}

}  // namespace win32
}  // namespace platform
