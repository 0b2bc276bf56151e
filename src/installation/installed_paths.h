// Where the setup puts each entry of the product's file list, the names of
// the shortcuts it makes and the registry keys it writes: what the
// uninstaller may take away again.
#pragma once

#include <string>
#include <vector>

#include "installation/path_rules.h"  // SameFileName, to compare these names

// The path the setup writes `entry` to (`programFolder` ends with "\"), by
// the file list's own rule; "" when that path is not absolute (a relative
// path with folders, whose place depended on the setup's own working folder
// and cannot be known now).
std::string InstalledPathOf(const std::string& entry, const std::string& programFolder);

// The names the setup gives the Start-menu shortcuts to the uninstaller and
// to the web site, without their extensions, in one language.
struct ShortcutNames {
    const char* uninstall;  // a .lnk
    const char* website;    // a .url
};
constexpr ShortcutNames kShortcutNamesRu = {"Удаление программы", "Интернет-сайт программы"};
constexpr ShortcutNames kShortcutNamesEn = {"Uninstall the program", "Program's website"};

// The file names the setup gives its Start-menu shortcuts, in both languages,
// each once.
std::vector<std::string> StartMenuShortcutNames(const std::string& shortTitleRu,
                                                const std::string& shortTitleEn);

// The same key path in the 32-bit registry node: "Software\WOW6432Node\...".
std::string In32BitRegistryNode(const std::string& keyPath);

// True when both are absolute paths of the same file as Windows reads them:
// the same folder and the same name.
bool SameFilePath(const std::string& a, const std::string& b);

// `names` without the later spellings of a name already in it.
std::vector<std::string> WithoutRepeats(const std::vector<std::string>& names);
