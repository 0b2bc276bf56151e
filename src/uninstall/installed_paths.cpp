#include "uninstall/installed_paths.h"

namespace {

// The extension of the entry's file name (after its last backslash or colon),
// without the dot; "" when the name has no dot.
std::string TypeOf(const std::string& entry) {
    const std::string::size_type nameStart = entry.find_last_of("\\:");
    const std::string name = nameStart == std::string::npos ? entry : entry.substr(nameStart + 1);
    const std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

bool IsAbsolute(const std::string& path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
    const bool network = path.compare(0, 2, "\\\\") == 0;
    return drive || network;
}

unsigned char FoldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
    if (c >= 0xC0 && c <= 0xDF) return static_cast<unsigned char>(c + 0x20);  // А..Я
    if (c == 0xA8) return 0xB8;                                               // Ё
    return c;
}

}  // namespace

bool IsLanguageEntry(const std::string& entry) { return TypeOf(entry) == "lng"; }

std::string InstalledPathOf(const std::string& entry, const std::string& programFolder) {
    if (IsLanguageEntry(entry)) {
        std::string name = entry;
        // The setup exempts the codes file from its version check by this mark.
        const std::string::size_type codes = name.find("codes");
        if (codes != std::string::npos) name.insert(codes, "!");
        return programFolder + "language\\" + name;
    }
    if (entry.find('\\') == std::string::npos) return programFolder + entry;
    return IsAbsolute(entry) ? entry : std::string();
}

std::vector<std::string> StartMenuShortcutNames(const std::string& shortTitleRu,
                                                const std::string& shortTitleEn) {
    return WithoutRepeats({shortTitleRu + ".lnk", shortTitleEn + ".lnk", "Удаление программы.lnk",
                           "Uninstall the program.lnk", "Интернет-сайт программы.url",
                           "Program's website.url"});
}

bool SameFileName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::string::size_type i = 0; i < a.size(); ++i) {
        if (FoldCase(static_cast<unsigned char>(a[i])) !=
            FoldCase(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> WithoutRepeats(const std::vector<std::string>& names) {
    std::vector<std::string> unique;
    for (const std::string& name : names) {
        bool seen = false;
        for (const std::string& kept : unique) seen = seen || SameFileName(kept, name);
        if (!seen) unique.push_back(name);
    }
    return unique;
}
