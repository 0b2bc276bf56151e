// A test program, never shipped: the installation engine with the real Win32
// platform layer and the payload resources, driven from the command line.
//
//   engine_probe install FOLDER [FILELIST]  installs the file list (default:
//                                           the product's files) into FOLDER
//   engine_probe write FOLDER [FILELIST]    the same without progress window and waits:
//                                           the write phase alone
//   engine_probe copy FROM TO [FILELIST]    copies the same files with CopyFileA,
//                                           the yardstick for the engine's speed
//   engine_probe checksums [FILELIST]       the items' checksums one after the other,
//                                           on the calling thread: their own cost
//   engine_probe window                     reports the progress window (window_report.h)
//   engine_probe steps FOLDER [FILELIST]    the file set's steps one by one, as the
//                                           installer takes them, each timed on its own
//                                           (ahead: the items' checksums taken in the pause
//                                           before their writes, which they shorten; check:
//                                           the first item's, before the window, and the
//                                           comparisons; a last argument --unchecked leaves
//                                           them out)
//
// Message boxes are answered at once (see box_answerer.h); a last argument
// --decline answers the older-version question with No. A last argument
// --paced makes write and copy wait 128 ms after each file, as the file set
// does, and leaves the waits out of the time: the same work spread over the
// same seconds.
//
// Prints one line: result=0|1 ms=<elapsed> peak_private=<bytes> peak_ws=<bytes>.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "box_answerer.h"
#include "common_controls.h"
#include "engine/crc32c.h"
#include "engine/install_file.h"
#include "engine/install_file_set.h"
#include "engine/item_checksum.h"
#include "engine/progress_unit.h"
#include "installation/file_list.h"
#include "installation/installer_state.h"
#include "installation/product_identity.h"
#include "installation/temporary_name.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/payload.h"
#include "window_report.h"

namespace {

const char* const kProductList =
    "Norvelik.exe;uninstall.exe;nvf.cok;nvm0.cok;nvm1.cok;"
    "nvm2.cok;nvm3.cok;nvm4.cok;nvm5.cok;nvn.cok;nvq1.cok;nvq2.cok;nvq3.cok;nvq4.cok;nvq5.cok;"
    "nvq6.cok;nvq7.cok;nvq8.cok;nvq9.cok;nvq10.cok;nvq11.cok;nvq12.cok;nvq13.cok;nvq14.cok;"
    "nvq15.cok;nvs.cok;nvt.cok;nvy.cok;riched32.dll;";

std::string AsFolder(std::string path) {
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path;
}

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool paced = false;
double pacedMs = 0;  // how long the paced waits lasted

void PacedWait() {
    if (!paced) return;
    const double start = NowMs();
    Sleep(128);
    pacedMs += NowMs() - start;
}

// The registration step makes the program folder before the files go in.
void MakeFolderTree(const std::string& folder) {
    for (std::size_t cut = folder.find('\\', 3); cut != std::string::npos;
         cut = folder.find('\\', cut + 1)) {
        CreateDirectoryA(folder.substr(0, cut).c_str(), nullptr);
    }
}

bool Install(const std::string& folder, const std::string& list) {
    WriteProductIdentity();
    InstallerState& s = State();
    s.IsRussian = PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_RUSSIAN;
    s.ProgramFolder = AsFolder(folder);
    MakeFolderTree(s.ProgramFolder);
    s.FileList = list;
    return InstallFileSet();
}

// The writes alone: each entry through the single-file installer, with no
// progress window and no wait for the file.
bool Write(const std::string& folder, std::string list) {
    MakeFolderTree(AsFolder(folder));
    bool all = true;
    for (int n = CountFileListEntries(list); n > 0; --n) {
        const FileListEntry e = ParseFileListEntry(FirstFileListEntry(list), AsFolder(folder));
        InstallFileFromResource(e.resourceName, e.resourceType, e.targetPath, true);
        all = GetFileAttributesA(e.targetPath.c_str()) != INVALID_FILE_ATTRIBUTES && all;
        list = WithoutFirstFileListEntry(list);
        PacedWait();
    }
    return all;
}

// As the file set does: takes the checksum of the first item of `list`.
void TakeChecksumOfFirst(const std::string& list, ItemChecksum* checksum) {
    if (CountFileListEntries(list) == 0) return;
    const FileListEntry e = ParseFileListEntry(FirstFileListEntry(list), "");
    platform::PayloadItem item;
    if (platform::FindPayloadItem(e.resourceName, e.resourceType, &item)) checksum->Take(item);
}

// The checksum the build packed beside an item.
std::uint32_t PackedChecksum(const FileListEntry& e) {
    platform::PayloadItem sum;
    if (!platform::FindPayloadItem(e.resourceType + "." + e.resourceName, "CRC32C", &sum) ||
        sum.size != 4) {
        return 0;
    }
    return sum.data[0] | sum.data[1] << 8 | sum.data[2] << 16 | std::uint32_t{sum.data[3]} << 24;
}

// The steps of the file set, each summed over all files and printed as
// "name=<ms>": where the time of an installation goes, beyond the writes.
bool Steps(const std::string& folder, std::string list, bool checked) {
    enum Step {
        kStart,
        kText,
        kLookup,
        kCheck,
        kWrite,
        kExists,
        kMove,
        kPosition,
        kAhead,
        kSleep,
        kTest,
        kHide,
        kSteps
    };
    const char* const names[kSteps] = {"start", "text",     "lookup", "check", "write", "exists",
                                       "move",  "position", "ahead",  "sleep", "test",  "hide"};
    double spent[kSteps] = {};
    double mark = NowMs();
    auto lap = [&](Step step) {
        const double now = NowMs();
        spent[step] += now - mark;
        mark = now;
    };
    MakeFolderTree(AsFolder(folder));
    const int count = CountFileListEntries(list);
    mark = NowMs();
    ItemChecksum checksum;
    if (checked) TakeChecksumOfFirst(list, &checksum);
    lap(kCheck);
    ShowProgress("Norvelik", "");
    SetProgressPosition(0);
    SetProgressRange(count);
    lap(kStart);
    bool all = true;
    for (int k = 1; k <= count; ++k) {
        const FileListEntry e = ParseFileListEntry(FirstFileListEntry(list), AsFolder(folder));
        SetProgressText(e.targetPath);
        lap(kText);
        platform::PayloadItem item;
        all = platform::FindPayloadItem(e.resourceName, e.resourceType, &item) && all;
        lap(kLookup);
        const std::string temporary = TemporaryFileName(e.targetPath);
        all = platform::WriteWholeFile(temporary, item.data, item.size,
                                       platform::CreateMode::CreateNew) == platform::kSuccess &&
              all;
        lap(kWrite);
        all = (!checked || checksum.Of(item) == PackedChecksum(e)) && all;
        lap(kCheck);
        platform::FileExists(e.targetPath);
        lap(kExists);
        all = platform::MoveFileReplacing(temporary, e.targetPath) == platform::kSuccess && all;
        lap(kMove);
        SetProgressPosition(k);
        lap(kPosition);
        const std::string rest = WithoutFirstFileListEntry(list);
        // The next item's, in the pause after this one, which it shortens.
        // Counted as the file set counts it.
        const std::uint64_t pauseStart = platform::PreciseTickUs();
        if (checked) TakeChecksumOfFirst(rest, &checksum);
        lap(kAhead);
        const std::uint64_t spentUs = platform::PreciseTickUs() - pauseStart;
        if (spentUs < 128000)
            platform::SleepMs(static_cast<std::uint32_t>((128000 - spentUs + 500) / 1000));
        lap(kSleep);
        all = platform::FileExists(e.targetPath) && all;
        lap(kTest);
        list = rest;
    }
    HideProgress();
    lap(kHide);
    for (int step = 0; step < kSteps; ++step) std::printf("%s=%.1f ", names[step], spent[step]);
    return all;
}

// The checksums of the items, one after the other on this thread: their own
// cost, which the installer takes on its background thread.
bool Checksums(std::string list) {
    bool all = true;
    for (int n = CountFileListEntries(list); n > 0; --n) {
        const FileListEntry e = ParseFileListEntry(FirstFileListEntry(list), "C:\\");
        platform::PayloadItem item;
        all = platform::FindPayloadItem(e.resourceName, e.resourceType, &item) &&
              Crc32c(item.data, item.size) == PackedChecksum(e) && all;
        list = WithoutFirstFileListEntry(list);
    }
    return all;
}

bool Copy(const std::string& from, const std::string& to, std::string list) {
    MakeFolderTree(AsFolder(to));
    bool all = true;
    for (int n = CountFileListEntries(list); n > 0; --n) {
        const std::string entry = FirstFileListEntry(list);
        all = CopyFileA((AsFolder(from) + entry).c_str(), (AsFolder(to) + entry).c_str(), FALSE) &&
              all;
        list = WithoutFirstFileListEntry(list);
        PacedWait();
    }
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    // A trailing --decline answers the older-version question with No.
    paced = argc > 1 && std::string(argv[argc - 1]) == "--paced";
    if (paced) --argc;
    const bool decline = argc > 1 && std::string(argv[argc - 1]) == "--decline";
    if (decline) --argc;
    // A trailing --unchecked: the steps without the items' checksum.
    const bool unchecked = argc > 1 && std::string(argv[argc - 1]) == "--unchecked";
    if (unchecked) --argc;
    // The common controls are loaded before the answerer's thread makes its
    // first window calls: under Wine, a thread's first such calls while
    // another thread loads a library that registers window classes can
    // deadlock the two.
    platform::win32::comctl::InitCommonControls();
    StartBoxAnswerer(decline);
    const std::string mode = argc > 1 ? argv[1] : "";
    bool result = false;
    const double start = NowMs();
    if (mode == "install" && (argc == 3 || argc == 4)) {
        result = Install(argv[2], argc == 4 ? argv[3] : kProductList);
    } else if (mode == "write" && (argc == 3 || argc == 4)) {
        result = Write(argv[2], argc == 4 ? argv[3] : kProductList);
    } else if (mode == "window" && argc == 2) {
        result = ReportProgressWindow();
    } else if (mode == "steps" && (argc == 3 || argc == 4)) {
        result = Steps(argv[2], argc == 4 ? argv[3] : kProductList, !unchecked);
    } else if (mode == "checksums" && (argc == 2 || argc == 3)) {
        result = Checksums(argc == 3 ? argv[2] : kProductList);
    } else if (mode == "copy" && (argc == 4 || argc == 5)) {
        result = Copy(argv[2], argv[3], argc == 5 ? argv[4] : kProductList);
    } else {
        std::fprintf(stderr,
                     "usage: engine_probe install FOLDER [LIST] | write FOLDER [LIST] [--paced] | "
                     "copy FROM TO [LIST] [--paced] | steps FOLDER [LIST] [--unchecked] | "
                     "checksums [LIST] | "
                     "window\n");
        return 2;
    }
    const double elapsed = NowMs() - start - pacedMs;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("result=%d ms=%.1f peak_private=%lu peak_ws=%lu\n", result ? 1 : 0, elapsed,
                static_cast<unsigned long>(memory.PeakPagefileUsage),
                static_cast<unsigned long>(memory.PeakWorkingSetSize));
    // The progress window's thread and the box answerer still run: an ordinary
    // exit detaches every DLL while they may hold a lock it needs, and under
    // Wine it then sometimes never ends. Nothing is left to tidy up.
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), result ? 0 : 1);
    return result ? 0 : 1;
}
