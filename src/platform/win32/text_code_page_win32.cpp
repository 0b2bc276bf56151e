#include <windows.h>

#include "platform/text_code_page.h"
#include "text_to_wide.h"

namespace platform {

namespace {

constexpr UINT kCyrillic = 1251;

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

std::string FromWide(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) return std::string();
    const int inLength = static_cast<int>(wide.size());
    int outLength =
        ::WideCharToMultiByte(codePage, 0, wide.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) return std::string();
    std::string text(static_cast<std::size_t>(outLength), '\0');
    outLength = ::WideCharToMultiByte(codePage, 0, wide.data(), inLength, &text[0], outLength,
                                      nullptr, nullptr);
    text.resize(outLength > 0 ? static_cast<std::size_t>(outLength) : 0);
    return text;
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
    return FromWide(kCyrillic, win32::TextToWide(text));
}

std::string FromAnsiText(const std::string& ansi) {
    if (g_codePage == CP_ACP) return ansi;
    return win32::WideToText(ToWide(CP_ACP, ansi));
}

namespace win32 {

std::wstring TextToWide(const std::string& text) { return ToWide(g_codePage, text); }

std::string WideToText(const std::wstring& wide) { return FromWide(g_codePage, wide); }

}  // namespace win32
}  // namespace platform
