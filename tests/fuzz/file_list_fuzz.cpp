// The file list worked through entry by entry as the file-set installer does.
// The input is the list, a zero byte, then the program folder.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "installation/file_list.h"
#include "installation/payload_names.h"

namespace {

void CheckEntry(const std::string& entry, const std::string& programFolder) {
    const FileListEntry parsed = ParseFileListEntry(entry, programFolder);
    // Name and type put together again are the entry's file name.
    const std::string fileName = FileNameOf(entry);
    const bool dotted = fileName.find('.') != std::string::npos;
    FUZZ_CHECK(parsed.resourceName + (dotted ? "." + parsed.resourceType : "") == fileName);
    FUZZ_CHECK(parsed.resourceType.find('.') == std::string::npos);

    if (parsed.resourceType == "lng") {
        const std::string folder = LanguageFolderOf(programFolder);
        FUZZ_CHECK(parsed.targetPath.compare(0, folder.size(), folder) == 0);
        std::string name = parsed.targetPath.substr(folder.size());
        // At most one "!" is added, and only in front of "codes".
        if (name.size() != entry.size()) {
            const std::size_t mark = entry.find("codes");
            FUZZ_CHECK(mark != std::string::npos && name.size() == entry.size() + 1);
            FUZZ_CHECK(name[mark] == '!' && name.compare(mark + 1, 5, "codes") == 0);
            name.erase(mark, 1);
        }
        FUZZ_CHECK(name == entry);
    } else if (entry.find('\\') != std::string::npos) {
        FUZZ_CHECK(parsed.targetPath == entry);
    } else {
        FUZZ_CHECK(parsed.targetPath == programFolder + entry);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string list;
    std::string programFolder;
    fuzz::SplitAtZero(fuzz::Text(data, size), &list, &programFolder);

    const int count = CountFileListEntries(list);
    FUZZ_CHECK(count >= 0);
    std::string rest = list;
    std::string rejoined;
    for (int i = 0; i < count; ++i) {
        const std::string entry = FirstFileListEntry(rest);
        FUZZ_CHECK(entry.find(';') == std::string::npos);
        CheckEntry(entry, programFolder);
        rejoined += entry + ";";
        const std::string shorter = WithoutFirstFileListEntry(rest);
        FUZZ_CHECK(shorter.size() == rest.size() - entry.size() - 1);
        rest = shorter;
    }
    // The entries with their ";" are the list up to its last ";"; no entry remains.
    FUZZ_CHECK(list.compare(0, rejoined.size(), rejoined) == 0);
    FUZZ_CHECK(rejoined + rest == list);
    FUZZ_CHECK(CountFileListEntries(rest) == 0);
    return 0;
}
