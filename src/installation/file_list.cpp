#include "installation/file_list.h"

#include <algorithm>
#include <utility>

#include "installation/payload_names.h"

int CountFileListEntries(const std::string& fileList) {
    return static_cast<int>(std::count(fileList.begin(), fileList.end(), ';'));
}

std::string FirstFileListEntry(const std::string& fileList) {
    return fileList.substr(0, fileList.find(';'));
}

std::string WithoutFirstFileListEntry(const std::string& fileList) {
    std::size_t end = fileList.find(';');
    return end == std::string::npos ? std::string() : fileList.substr(end + 1);
}

std::vector<std::string> FileListEntries(const std::string& fileList) {
    std::vector<std::string> entries;
    for (std::string rest = fileList; CountFileListEntries(rest) > 0;
         rest = WithoutFirstFileListEntry(rest)) {
        std::string entry = FirstFileListEntry(rest);
        if (!entry.empty()) entries.push_back(std::move(entry));
    }
    return entries;
}

bool IsLanguageEntry(const std::string& entry) { return ResourceTypeOf(entry) == "lng"; }

std::string LanguageFolderOf(const std::string& programFolder) {
    return programFolder + "language\\";
}

FileListEntry ParseFileListEntry(const std::string& entry, const std::string& programFolder) {
    FileListEntry parsed;
    parsed.resourceName = ResourceNameOf(entry);
    parsed.resourceType = ResourceTypeOf(entry);
    if (IsLanguageEntry(entry)) {
        // Only the entry is searched: a program folder such as "Barcodes\"
        // must not gain a "!".
        std::string name = entry;
        std::size_t codes = name.find("codes");
        if (codes != std::string::npos) name.insert(codes, "!");
        parsed.targetPath = LanguageFolderOf(programFolder) + name;
    } else if (entry.find('\\') != std::string::npos) {
        parsed.targetPath = entry;
    } else {
        parsed.targetPath = programFolder + entry;
    }
    return parsed;
}
