// The names the registry and the file system must compare alike: as Windows
// does, without regard to case, Cyrillic letters included, and never two
// different letters as one.
#pragma once

#include <string>
#include <vector>

#include "platform/text_code_page.h"

namespace contract {

struct NameRow {
    std::string written;
    std::string asked;
    bool same;
};

// The rows in the current text code page.
inline std::vector<NameRow> NameRows() {
    const NameRow rows[] = {
        {"Norvelik", "nORVELIK", true},
        {"Норвелик Ёж", "нОРВЕЛИК ёЖ", true},
        {"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдежзийклмнопрстуфхцчшщъыьэюя", true},
        {"ЂЃЉЊЌЋЏЎЈҐЁЄЇІЅ", "ђѓљњќћџўјґёєїіѕ", true},
        {"Ёлка", "Елка", false},
        {"Йод", "Иод", false},
        {"Ш", "щ", false},
        {"Ґ", "г", false},
        {"Ї", "і", false},
        {"Ѓ", "Ё", false},  // in UTF-8 the two differ only in their second byte
    };
    std::vector<NameRow> inPage;
    for (const NameRow& row : rows) {
        inPage.push_back({platform::FromProgramText(row.written),
                          platform::FromProgramText(row.asked), row.same});
    }
    return inPage;
}

// The setup hands Windows its texts in the ANSI code page, the uninstaller in UTF-8.
constexpr platform::TextCodePage kTextCodePages[] = {platform::TextCodePage::Ansi,
                                                     platform::TextCodePage::Utf8};

}  // namespace contract
