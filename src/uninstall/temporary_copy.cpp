#include "uninstall/temporary_copy.h"

#include <cstdint>

#include "platform/files.h"
#include "platform/self_removal.h"
#include "uninstall/uninstall_arguments.h"

namespace {

// Copies of earlier runs may still wait for the next start to be deleted.
constexpr int kNameAttempts = 16;

std::string CopyName(const std::string& folder, std::uint32_t processId, int attempt) {
    std::string name = folder + "nvuninst" + std::to_string(processId);
    if (attempt > 0) name += "_" + std::to_string(attempt);
    return name + ".exe";
}

// The path of the new copy, or "" when none could be made.
std::string CopyOwnExecutable(const std::string& folder, std::uint32_t processId) {
    const std::string own = platform::OwnExecutablePath();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string copy = CopyName(folder, processId, attempt);
        const platform::ErrorCode e = platform::CopyFileTo(own, copy);
        if (e == platform::kSuccess) return copy;
        if (e != platform::kErrorFileExists && e != platform::kErrorAlreadyExists) break;
    }
    return std::string();
}

}  // namespace

bool HandOverToTemporaryCopy(const std::string& programFolder) {
    const std::string temporaryFolder = platform::TemporaryFolder();
    if (temporaryFolder.empty()) return false;
    const std::uint32_t processId = platform::CurrentProcessId();
    const std::string copy = CopyOwnExecutable(temporaryFolder, processId);
    if (copy.empty()) return false;
    // The copy works from the temporary folder, so that no process of ours
    // keeps the program folder as its working folder.
    const std::string order = FormatRemovalOrder(RemovalOrder{programFolder, processId});
    if (platform::StartProcess(copy, order, temporaryFolder) != platform::kSuccess) {
        platform::DeleteFileAt(copy);
        return false;
    }
    return true;
}
