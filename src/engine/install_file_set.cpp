#include "engine/install_file_set.h"

#include "engine/install_file.h"
#include "engine/item_checksum.h"
#include "engine/progress_unit.h"
#include "host/folder_refusal.h"
#include "host/message_boxes.h"
#include "host/paths.h"
#include "installation/checked_folder.h"
#include "installation/file_list.h"
#include "installation/installer_state.h"
#include "installation/path_rules.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/payload.h"

namespace {

// After installing, the file must show up: it is tested every 128 ms, at most
// 64 times; the 65th pause ends the wait with a message.
constexpr std::uint32_t kFileWaitPauseMs = 128;
constexpr int kFileWaitTests = 64;

std::string ProgressTitle(const InstallerState& s) {
    if (s.IsRussian) return "Установка файлов " + s.ShortTitleRu + " " + s.VersionText;
    return s.ShortTitleEn + " " + s.VersionText + " files copying...";
}

bool MakeLanguageFolderIfNeeded(const InstallerState& s) {
    if (s.FileList.find(".lng;") == std::string::npos) return true;
    const std::string folder = LanguageFolderOf(s.ProgramFolder);
    if (platform::FolderExists(folder)) return true;
    if (platform::CreateFolder(folder) == platform::kSuccess) return true;
    // The topmost progress window would stand over the message.
    HideProgress();
    ErrorBox("Can't create " + folder + ".", "Не удаётся создать папку " + folder + ".");
    return false;
}

// Ends a pause of kFileWaitPauseMs that began at `startUs` (PreciseTickUs):
// what the pause was used for does not lengthen it.
void PauseFrom(std::uint64_t startUs) {
    const std::uint64_t spentUs = platform::PreciseTickUs() - startUs;
    const std::uint64_t pauseUs = std::uint64_t{kFileWaitPauseMs} * 1000;
    if (spentUs >= pauseUs) return;
    platform::SleepMs(static_cast<std::uint32_t>((pauseUs - spentUs + 500) / 1000));
}

// Takes the checksum of the first item of `list`, if there is one.
void TakeChecksumOfFirst(const std::string& list, ItemChecksum* checksum) {
    if (CountFileListEntries(list) == 0) return;
    const FileListEntry entry = ParseFileListEntry(FirstFileListEntry(list), "");
    platform::PayloadItem item;
    if (platform::FindPayloadItem(entry.resourceName, entry.resourceType, &item)) {
        checksum->Take(item);
    }
}

// Waits for the file to show up; false when it did not. The first pause is
// also used to take the checksum of the next item, the first of `rest`,
// ahead of its write. A program folder swapped for a link meanwhile ends the
// wait at once: the file cannot show up there, and the caller says why.
bool WaitForFile(const FileListEntry& entry, const std::string& rest, ItemChecksum* checksum,
                 CheckedFolder* programFolder) {
    for (int tests = 0;; ++tests) {
        const std::uint64_t start = platform::PreciseTickUs();
        if (tests == 0) TakeChecksumOfFirst(rest, checksum);
        PauseFrom(start);
        if (tests == kFileWaitTests) break;
        if (platform::FileExists(entry.targetPath)) return true;
        if (!programFolder->StillItself()) return false;
    }
    const std::string file = entry.resourceName + "." + entry.resourceType;
    ErrorBox("Can't install file " + file, "Не удается установить файл " + file);
    return false;
}

// The folder that is not what its path claims, of the program folder and
// the folder `targetPath` lies in (the language folder, or one an entry
// names itself); "" when both are.
std::string RefusedFolderFor(const std::string& targetPath, CheckedFolder* programFolder) {
    if (!programFolder->StillItself()) return programFolder->Path();
    const std::string folder = FolderOfFile(targetPath);
    if (folder.empty() || SameFolder(folder, programFolder->Path()) || NoLinkAtOrOnTheWay(folder)) {
        return std::string();
    }
    return folder;
}

}  // namespace

bool InstallFileSet() {
    InstallerState& s = State();
    s.FilesNotInstalled.clear();
    const int count = CountFileListEntries(s.FileList);
    if (count == 0) return false;

    // Held for the whole set, and checked before each file: a link swapped in
    // for the folder halfway through must not receive the rest.
    CheckedFolder programFolder(s.ProgramFolder);

    // Each item's checksum is taken ahead of its write, each but the first's
    // in the pause after the file before it, which the set waits anyway.
    ItemChecksum checksum;
    TakeChecksumOfFirst(s.FileList, &checksum);
    ShowProgress(ProgressTitle(s), "");
    SetProgressPosition(0);
    SetProgressRange(count);  // a window that never comes up does not stop the installation
    if (!MakeLanguageFolderIfNeeded(s)) return false;

    for (int k = 1; k <= count; ++k) {
        const FileListEntry entry =
            ParseFileListEntry(FirstFileListEntry(s.FileList), s.ProgramFolder);
        const std::string refused = RefusedFolderFor(entry.targetPath, &programFolder);
        if (!refused.empty()) {
            HideProgress();  // the topmost window would stand over the message
            ReportFolderNotItself(refused);
            return false;
        }
        SetProgressText(entry.targetPath);
        const FileOutcome outcome = InstallFileFromResource(entry.resourceName, entry.resourceType,
                                                            entry.targetPath, true, &checksum);
        SetProgressPosition(k);
        const std::string rest = WithoutFirstFileListEntry(s.FileList);
        const bool there = WaitForFile(entry, rest, &checksum, &programFolder);
        if (outcome == FileOutcome::NotInstalled || !there) {
            s.FilesNotInstalled.push_back(entry.targetPath);
        }
        s.FileList = rest;
    }
    HideProgress();
    // Swapped during the last file's wait: what was written is not where it
    // seems, and nothing that follows may go there either.
    if (!programFolder.StillItself()) {
        ReportFolderNotItself(programFolder.Path());
        return false;
    }
    return true;
}
