#include "ui/folder_rule.h"

#include "engine/free_space.h"
#include "engine/install_file.h"
#include "host/paths.h"
#include "host/random_file.h"
#include "installation/file_list.h"
#include "installation/folder_rights.h"
#include "installation/path_rules.h"
#include "installation/temporary_name.h"
#include "platform/files.h"
#include "ui/licence_text.h"

namespace {

const std::string kFolderNotCreatable = "Папку с таким именем создать невозможно!";

// Only A to Z are lowered: the rule speaks of the Latin product word, and the
// Cyrillic letters of a CP1251 path must stay as they are.
bool HoldsProductWord(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text.find("norvelik") != std::string::npos;
}

// Characters no Windows name may hold; the colon of "C:" comes before them.
bool HoldsRefusedCharacter(const std::string& folder) {
    for (std::string::size_type i = 2; i < folder.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(folder[i]);
        if (c < 0x20 || std::string("<>:\"|?*").find(static_cast<char>(c)) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Whether every path that installing `fileList` into `folder` writes fits the
// path limit of the ANSI calls: each target and its "~" copy under 260
// characters, and the program folder and the language folder (made only for
// language files) under 248, as folders must be. Both limits count the
// terminating NUL; a folder leaves room for a short file name inside it.
bool FitsPathLimit(const std::string& fileList, const std::string& folder) {
    constexpr std::size_t kFileLimit = 260;
    constexpr std::size_t kFolderLimit = 248;
    bool fits = folder.size() - 1 < kFolderLimit;
    for (const std::string& entry : FileListEntries(fileList)) {
        const FileListEntry parsed = ParseFileListEntry(entry, folder);
        fits = fits && TemporaryFileName(parsed.targetPath).size() < kFileLimit;
        if (parsed.resourceType == "lng") {
            fits = fits && LanguageFolderOf(folder).size() - 1 < kFolderLimit;
        }
    }
    return fits;
}

// Makes and deletes a file of a name nobody else uses. A folder on a
// read-only medium, or one the user may not write to, would otherwise fail
// each file of the installation with its own message.
bool CanCreateFileIn(const std::string& folder) {
    // No longer than the product's own "~" names, so that it fits wherever they do.
    const std::string probe = CreateFileNamedAtRandom(folder, "~nv", 5, ".tmp", 8);
    return !probe.empty() && platform::DeleteFileAt(probe) == platform::kSuccess;
}

}  // namespace

FolderDecision DecideFolder(const std::string& typed, const std::string& fileList) {
    FolderDecision d;
    d.folder = IsAbsolutePath(typed) ? NormalFolder(typed) : typed;
    AddTrailingBackslash(d.folder);
    if (!HoldsProductWord(d.folder)) {
        d.warning = PathRuleText + "!";
        return d;
    }
    const bool wellFormed = IsAbsolutePath(d.folder) && !HoldsRefusedCharacter(d.folder) &&
                            FitsPathLimit(fileList, d.folder);
    if (!wellFormed) {
        d.warning = kFolderNotCreatable;
        return d;
    }
    // Judged before anything is made there: a folder above that others may
    // rename or replace lets them swap the programs an administrator runs.
    const std::string atFault = FolderAboveAtFault(d.folder);
    if (!atFault.empty()) {
        d.englishWarning =
            "Users other than the administrators may rename, replace or change the rights of "
            "the folder " +
            atFault +
            ", so any of them could swap the program installed below it. Please choose a "
            "folder below one that only the administrators may change, such as Program Files.";
        d.warning = "Папку " + atFault +
                    " могут переименовать или заменить, а также изменить права на неё, не "
                    "только администраторы, поэтому любой пользователь смог бы подменить "
                    "программу, установленную внутри неё. Выберите папку внутри такой, которую "
                    "могут изменять только администраторы, например внутри Program Files.";
        return d;
    }
    const bool usable =
        (platform::FolderExists(d.folder) ||
         platform::CreateFolderTree(d.folder, kProgramFolderRights) == platform::kSuccess) &&
        CanCreateFileIn(d.folder);
    if (!usable) {
        d.warning = kFolderNotCreatable;
        return d;
    }
    // A disk too small for the files is told now, while another folder can
    // still be chosen, rather than as failed files halfway through.
    const SpaceCheck space = CheckFreeSpace(d.folder, fileList);
    if (!space.enough) d.warning = NotEnoughSpaceText(space.neededBytes, space.freeBytes);
    return d;
}
