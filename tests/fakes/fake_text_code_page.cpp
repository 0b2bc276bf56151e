// The fake system's ANSI code page is 1251: the program's own texts and the
// system's read the same. With UTF-8 texts both are converted as Windows
// converts them.
#include "fake_text_code_page.h"

#include <cstdint>

#include "fake_system_info.h"
#include "platform/text_code_page.h"

namespace {

// The characters of CP1251's upper half (0x98 has none).
constexpr std::uint16_t kUpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

std::string Cp1251ToUtf8(const std::string& text) {
    std::string utf8;
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const std::uint16_t u = byte < 0x80 ? byte : kUpperHalf[byte - 0x80];
        if (u < 0x80) {
            utf8 += static_cast<char>(u);
        } else if (u < 0x800) {
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (u >> 12));
            utf8 += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return utf8;
}

bool Utf8() { return fake::SystemInfo().textCodePage == platform::TextCodePage::Utf8; }

// The character of UTF-8 `text` at `i`, and how many bytes it takes. A byte
// that starts no sequence stands for itself.
std::uint32_t DecodeAt(const std::string& text, std::string::size_type i,
                       std::string::size_type* length) {
    const unsigned char first = static_cast<unsigned char>(text[i]);
    auto next = [&](std::string::size_type k) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    };
    *length = 1;
    if ((first & 0xE0) == 0xC0 && i + 1 < text.size()) {
        *length = 2;
        return ((first & 0x1Fu) << 6) | next(1);
    }
    if ((first & 0xF0) == 0xE0 && i + 2 < text.size()) {
        *length = 3;
        return ((first & 0x0Fu) << 12) | (next(1) << 6) | next(2);
    }
    if ((first & 0xF8) == 0xF0 && i + 3 < text.size()) {
        *length = 4;
        return ((first & 0x07u) << 18) | (next(1) << 12) | (next(2) << 6) | next(3);
    }
    return first;
}

// The CP1251 byte of a character; false when the code page lacks it.
bool Cp1251ByteOf(std::uint32_t u, char* byte) {
    if (u < 0x80) {
        *byte = static_cast<char>(u);
        return true;
    }
    for (int b = 0; b < 128; ++b) {
        if (kUpperHalf[b] == u) {
            *byte = static_cast<char>(0x80 + b);
            return true;
        }
    }
    return false;
}

// UTF-8 as CP1251, a character the code page lacks becoming "?"; false when
// there was one.
bool Utf8ToCp1251(const std::string& text, std::string* cp1251) {
    bool whole = true;
    cp1251->clear();
    for (std::string::size_type i = 0; i < text.size();) {
        std::string::size_type length = 1;
        char byte = '?';
        if (!Cp1251ByteOf(DecodeAt(text, i, &length), &byte)) whole = false;
        *cp1251 += byte;
        i += length;
    }
    return whole;
}

}  // namespace

namespace fake {

bool FromUnicodeExactly(const std::string& utf8, std::string* text) {
    if (Utf8()) {
        *text = utf8;
        return true;
    }
    std::string cp1251;
    if (!Utf8ToCp1251(utf8, &cp1251)) return false;
    *text = cp1251;
    return true;
}

std::string UnicodeOf(const std::string& cp1251) { return Cp1251ToUtf8(cp1251); }

}  // namespace fake

namespace platform {

void UseTextCodePage(TextCodePage codePage) { fake::SystemInfo().textCodePage = codePage; }

TextCodePage CurrentTextCodePage() { return fake::SystemInfo().textCodePage; }

std::string FromProgramText(const std::string& cp1251) {
    return Utf8() ? Cp1251ToUtf8(cp1251) : cp1251;
}

std::string ToProgramText(const std::string& text) {
    if (!Utf8()) return text;
    std::string cp1251;
    Utf8ToCp1251(text, &cp1251);
    return cp1251;
}

std::string FromAnsiText(const std::string& ansi) { return Utf8() ? Cp1251ToUtf8(ansi) : ansi; }

}  // namespace platform
