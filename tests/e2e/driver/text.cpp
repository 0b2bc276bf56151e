#include "text.h"

#include <windows.h>

#include <stdexcept>

namespace nv {
namespace {

constexpr UINT kCyrillic = 1251;

std::wstring ToWide(UINT codePage, DWORD flags, const std::string& text) {
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(codePage, flags, text.data(), int(text.size()), nullptr, 0);
    if (n <= 0)
        throw std::runtime_error("text is not valid in code page " + std::to_string(codePage));
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), int(text.size()), &wide[0], n);
    return wide;
}

std::string FromWide(UINT codePage, const std::wstring& wide, bool strict, bool* exact = nullptr) {
    if (wide.empty()) return std::string();
    BOOL lossy = FALSE;
    // CP_UTF8 accepts neither the lossy flag nor the default-char argument.
    BOOL* lossyOut = codePage == CP_UTF8 ? nullptr : &lossy;
    DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int n = WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), nullptr, 0, nullptr,
                                lossyOut);
    if (n <= 0 || (strict && lossy))
        throw std::runtime_error("text has characters outside code page " +
                                 std::to_string(codePage));
    std::string text(size_t(n), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), &text[0], n, nullptr,
                        nullptr);
    if (exact != nullptr) *exact = !lossy;
    return text;
}

std::string EscapeUtf8(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    static const char digits[] = "0123456789abcdef";
                    out += "\\x";
                    out += digits[c >> 4];
                    out += digits[c & 15];
                } else {
                    out += char(c);
                }
        }
    }
    return out + "\"";
}

}  // namespace

std::string Utf8ToCp1251(const std::string& utf8) {
    return FromWide(kCyrillic, ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8), true);
}

bool Utf8ToCp1251Exactly(const std::string& utf8, std::string* cp1251) {
    bool exact = true;
    *cp1251 = FromWide(kCyrillic, ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8), false, &exact);
    return exact;
}

std::wstring Utf8ToWide(const std::string& utf8) {
    return ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
}

std::string Cp1251ToUtf8(const std::string& cp1251) {
    return FromWide(CP_UTF8, ToWide(kCyrillic, 0, cp1251), false);
}

std::wstring Cp1251ToWide(const std::string& cp1251) { return ToWide(kCyrillic, 0, cp1251); }

std::string WideToUtf8(const std::wstring& wide) { return FromWide(CP_UTF8, wide, false); }

std::string Quoted(const std::string& cp1251) { return EscapeUtf8(Cp1251ToUtf8(cp1251)); }

std::string QuotedWide(const std::wstring& wide) { return EscapeUtf8(WideToUtf8(wide)); }

size_t FirstDifference(const std::string& a, const std::string& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

}  // namespace nv
