#include "engine/install_file_set.h"

#include "engine/install_file.h"
#include "engine/item_checksum.h"
#include "engine/progress_unit.h"
#include "host/message_boxes.h"
#include "installation/file_list.h"
#include "installation/installer_state.h"
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

// Waits for the file to show up. The first pause is also used to take the
// checksum of the next item, the first of `rest`, ahead of its write.
void WaitForFile(const FileListEntry& entry, const std::string& rest, ItemChecksum* checksum) {
    for (int tests = 0;; ++tests) {
        const std::uint64_t start = platform::PreciseTickUs();
        if (tests == 0) TakeChecksumOfFirst(rest, checksum);
        PauseFrom(start);
        if (tests == kFileWaitTests) break;
        if (platform::FileExists(entry.targetPath)) return;
    }
    const std::string file = entry.resourceName + "." + entry.resourceType;
    ErrorBox("Can't install file " + file, "Не удается установить файл " + file);
}

}  // namespace

bool InstallFileSet() {
    InstallerState& s = State();
    const int count = CountFileListEntries(s.FileList);
    if (count == 0) return false;

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
        SetProgressText(entry.targetPath);
        InstallFileFromResource(entry.resourceName, entry.resourceType, entry.targetPath, true,
                                &checksum);
        SetProgressPosition(k);
        const std::string rest = WithoutFirstFileListEntry(s.FileList);
        WaitForFile(entry, rest, &checksum);
        s.FileList = rest;
    }
    HideProgress();
    return true;
}
