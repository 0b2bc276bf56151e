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

void WaitForFile(const FileListEntry& entry) {
    for (int tests = 0;; ++tests) {
        platform::SleepMs(kFileWaitPauseMs);
        if (tests == kFileWaitTests) break;
        if (platform::FileExists(entry.targetPath)) return;
    }
    const std::string file = entry.resourceName + "." + entry.resourceType;
    ErrorBox("Can't install file " + file, "Не удается установить файл " + file);
}

// Begins the checksum of the first item of `list`, if there is one.
void BeginChecksumOfFirst(const std::string& list, ItemChecksum* checksum) {
    if (CountFileListEntries(list) == 0) return;
    const FileListEntry entry = ParseFileListEntry(FirstFileListEntry(list), "");
    platform::PayloadItem item;
    if (platform::FindPayloadItem(entry.resourceName, entry.resourceType, &item)) {
        checksum->Begin(item);
    }
}

}  // namespace

bool InstallFileSet() {
    InstallerState& s = State();
    const int count = CountFileListEntries(s.FileList);
    if (count == 0) return false;

    // Each item's checksum is taken ahead of its write, while the set waits:
    // the first's while the window comes up, each other's in the pause after
    // the file before it. Taken all at once they would make the writes slower.
    ItemChecksum checksum;
    BeginChecksumOfFirst(s.FileList, &checksum);
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
        BeginChecksumOfFirst(rest, &checksum);
        WaitForFile(entry);
        s.FileList = rest;
    }
    HideProgress();
    return true;
}
