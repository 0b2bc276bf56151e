// Where the setup puts each entry of the product's file list, and the names of
// the shortcuts it makes: what the uninstaller may take away again.
#pragma once

#include <string>
#include <vector>

// The path the setup writes `entry` to (`programFolder` ends with "\"):
// language files go to the "language\" folder, "codes" gaining a leading "!";
// a plain name goes to the program folder; an absolute path stays as it is.
// "" for a relative path with folders, whose place depended on the setup's
// own working folder and cannot be known now.
std::string InstalledPathOf(const std::string& entry, const std::string& programFolder);

// True for an entry the setup writes into the language folder.
bool IsLanguageEntry(const std::string& entry);

// The file names the setup gives its Start-menu shortcuts, in both languages,
// each once.
std::vector<std::string> StartMenuShortcutNames(const std::string& shortTitleRu,
                                                const std::string& shortTitleEn);

// Windows compares file names without regard to letter case, Cyrillic
// (Windows-1251) letters included.
bool SameFileName(const std::string& a, const std::string& b);

// `names` without the later spellings of a name already in it.
std::vector<std::string> WithoutRepeats(const std::vector<std::string>& names);
