// How Windows compares the names it keeps (files, folders, registry keys and
// values, environment variables, resources): without regard to case, by the
// upper case of each letter. The program's texts are in the current text code
// page (platform/text_code_page.h); this folds A to Z and the Cyrillic letters
// in it: with the ANSI code page (Windows-1251) А to Я, Ё and the Ukrainian,
// Belarusian, Serbian and Macedonian letters, each of which has its capital
// in the code page too; with UTF-8 the letters of Unicode's Cyrillic block.
// Both programs and the fakes compare names by this one rule.
#pragma once

#include <cstdint>
#include <string>

#include "platform/text_code_page.h"

namespace platform {

// One byte of Windows-1251 text in upper case.
constexpr char FoldAnsiNameCase(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || u >= 0xE0) return static_cast<char>(u - 0x20);  // a-z, а-я
    // The code page's other small letters, each followed by its capital:
    // ђ Ђ ѓ Ѓ љ Љ њ Њ ќ Ќ ћ Ћ џ Џ ў Ў ј Ј ґ Ґ ё Ё є Є ї Ї і І ѕ Ѕ.
    constexpr char kPairs[] =
        "\x90\x80\x83\x81\x9A\x8A\x9C\x8C\x9D\x8D\x9E\x8E\x9F\x8F\xA2\xA1"
        "\xBC\xA3\xB4\xA5\xB8\xA8\xBA\xAA\xBF\xAF\xB3\xB2\xBE\xBD";
    for (const char* pair = kPairs; *pair != 0; pair += 2) {
        if (*pair == c) return pair[1];
    }
    return c;
}

// A character of the Cyrillic block (U+0400 to U+04FF) in upper case.
constexpr std::uint32_t FoldCyrillicCase(std::uint32_t c) {
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;  // а..я
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;  // ѐ..џ
    // The rest of the block pairs each capital with the letter after it
    // (Ґ ґ, Ѣ ѣ...), shifted by one from Ӂ to Ӎ.
    const bool pairedFromEven =
        (c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x4FF);
    if (pairedFromEven && (c & 1) != 0) return c - 1;
    if (c >= 0x4C1 && c <= 0x4CE && (c & 1) == 0) return c - 1;
    return c;
}

// `name` with every letter in the case Windows compares it in. A Cyrillic
// letter keeps its two bytes in UTF-8; anything else that is not a letter of
// ours stays as it is, byte for byte.
inline std::string FoldedName(std::string name) {
    if (CurrentTextCodePage() != TextCodePage::Utf8) {
        for (char& c : name) c = FoldAnsiNameCase(c);
        return name;
    }
    for (std::string::size_type i = 0; i < name.size(); ++i) {
        const unsigned char first = static_cast<unsigned char>(name[i]);
        if (first >= 'a' && first <= 'z') name[i] = static_cast<char>(first - 0x20);
        if ((first & 0xE0) != 0xC0 || i + 1 >= name.size()) continue;
        const unsigned char second = static_cast<unsigned char>(name[i + 1]);
        if ((second & 0xC0) != 0x80) continue;
        const std::uint32_t c = ((first & 0x1Fu) << 6) | (second & 0x3Fu);
        if (c >= 0x400 && c <= 0x4FF) {
            const std::uint32_t upper = FoldCyrillicCase(c);
            name[i] = static_cast<char>(0xC0 | (upper >> 6));
            name[i + 1] = static_cast<char>(0x80 | (upper & 0x3F));
        }
        ++i;
    }
    return name;
}

inline bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && FoldedName(a) == FoldedName(b);
}

}  // namespace platform
