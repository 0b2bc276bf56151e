#include "uninstall/temporary_copy.h"

#include "host/paths.h"
#include "installation/uninstaller_copies.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/self_removal.h"

namespace {

// Folders of earlier runs may still wait for the next start to be deleted.
constexpr int kNameAttempts = 16;

// How long the uninstaller waits for its copy to take the order.
constexpr std::uint32_t kTakePollMs = 100;
constexpr int kTakePolls = 100;

// A new folder of the administrators' under the system's temporary folder,
// or "" when none could be made.
std::string MakeCopyFolder(std::uint32_t processId) {
    const std::string base = platform::SystemTemporaryFolder();
    if (base.empty()) return std::string();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string folder = base + kCopyFolderPrefix + std::to_string(processId);
        if (attempt > 0) folder += "_" + std::to_string(attempt);
        folder += "\\";
        const platform::ErrorCode e = platform::CreateAdministratorsFolder(folder);
        if (e == platform::kSuccess) return folder;
        if (e != platform::kErrorAlreadyExists && e != platform::kErrorFileExists) break;
    }
    return std::string();
}

// True once the copy has deleted the order file. When it has not in time the
// order is taken back: whoever deletes the file owns the order.
bool WaitUntilTaken(const std::string& orderFile) {
    for (int i = 0; i < kTakePolls; ++i) {
        if (!platform::FileExists(orderFile)) return true;
        platform::SleepMs(kTakePollMs);
    }
    return platform::DeleteFileAt(orderFile) != platform::kSuccess &&
           !platform::FileExists(orderFile);
}

}  // namespace

bool HandOverToTemporaryCopy(const std::string& programFolder) {
    const std::uint32_t processId = platform::CurrentProcessId();
    const std::string folder = MakeCopyFolder(processId);
    if (folder.empty()) return false;
    const std::string copy = folder + kCopyFileName;
    const std::string orderFile = folder + kOrderFileName;
    const std::string order = FormatRemovalOrder(RemovalOrder{programFolder, processId});
    // The copy works from its own folder, so that no process of ours keeps
    // the program folder as its working folder. Copy and folder are left to
    // the system's next start as soon as they are there: the copy cannot
    // delete its own file, and a run stopped at any moment leaves nothing the
    // system or the next start of either program does not take away.
    if (platform::CopyFileTo(platform::OwnExecutablePath(), copy) != platform::kSuccess ||
        platform::DeleteAfterReboot(copy) != platform::kSuccess ||
        platform::DeleteAfterReboot(folder) != platform::kSuccess ||
        platform::WriteWholeFile(orderFile, order.data(), order.size(),
                                 platform::CreateMode::CreateNew) != platform::kSuccess ||
        platform::StartProcess(copy, order, folder) != platform::kSuccess) {
        RemoveCopyFolder(folder);
        return false;
    }
    // The copy must find us running to know who sent it.
    return WaitUntilTaken(orderFile);
}

bool ReceiveRemovalOrder(const std::string& commandLine, ReceivedOrder* received) {
    if (!ParseRemovalOrder(commandLine, &received->order)) return false;
    // The starter is found before the file goes: it waits for that and ends.
    // Without it the order stays for the starter to take back and carry out.
    if (!platform::FindParentProcess(&received->parentId, &received->parentExecutable)) {
        return false;
    }
    const std::string orderFile = FolderOfFile(platform::OwnExecutablePath()) + kOrderFileName;
    std::string written;
    if (platform::ReadWholeFile(orderFile, &written) != platform::kSuccess) return false;
    // Taken once only, and only by whoever deletes it.
    if (platform::DeleteFileAt(orderFile) != platform::kSuccess) return false;
    RemovalOrder fromFile;
    return ParseRemovalOrder(written, &fromFile) &&
           fromFile.programFolder == received->order.programFolder &&
           fromFile.waitForProcess == received->order.waitForProcess;
}
