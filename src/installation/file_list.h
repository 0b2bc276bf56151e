// The work list of the file-set installer: entries each ended by ";", an
// entry being a file name with its extension or a path holding a backslash.
// Pure functions, so that any text can be thrown at them.
#pragma once

#include <string>
#include <vector>

struct FileListEntry {
    std::string resourceName;  // "nvf"
    std::string resourceType;  // "cok", spelt as in the list
    std::string targetPath;    // where the file goes
};

// The number of entries: the count of ";".
int CountFileListEntries(const std::string& fileList);

// The text before the first ";" (all of it when there is none).
std::string FirstFileListEntry(const std::string& fileList);

// The list without its first entry and that entry's ";".
std::string WithoutFirstFileListEntry(const std::string& fileList);

// The entries of the list, in order, read with the two calls above. Text
// after the last ";" is not an entry; empty entries name no file and are
// skipped.
std::vector<std::string> FileListEntries(const std::string& fileList);

// True for an entry of type "lng", which goes into the language folder.
bool IsLanguageEntry(const std::string& entry);

// The language folder inside the program folder (which ends with "\").
std::string LanguageFolderOf(const std::string& programFolder);

// Where an entry is installed:
// - type "lng": into the language folder; a "!" goes before the first
//   "codes" in the entry, which exempts such files from the version check;
// - an entry holding a backslash: that path, unchanged;
// - any other: the program folder + the entry.
FileListEntry ParseFileListEntry(const std::string& entry, const std::string& programFolder);
