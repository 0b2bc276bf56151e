#include "uninstall/uninstall_sequence.h"

#include <cstdint>

#include "host/common_unit.h"
#include "host/folder_refusal.h"
#include "host/message_boxes.h"
#include "host/paths.h"
#include "host/program_entry.h"
#include "host/system_folders.h"
#include "installation/installed_paths.h"
#include "installation/installer_state.h"
#include "installation/product_file_list.h"
#include "platform/files.h"
#include "platform/self_removal.h"
#include "platform/shell.h"
#include "uninstall/plan_execution.h"
#include "uninstall/stop_running_product.h"
#include "uninstall/temporary_copy.h"
#include "uninstall/uninstall_arguments.h"
#include "uninstall/uninstall_messages.h"
#include "uninstall/uninstall_plan.h"

namespace {

// How long the copy gives the uninstaller that started it to end.
constexpr std::uint32_t kPredecessorWaitMs = 10000;

// Folders and rights. False once the user has been told why not.
bool PrepareEnvironment() {
    if (!ReadSystemFolders()) return false;
    if (!State().IsAdmin) {
        ErrorBox("You have no right to remove applications!", "У Вас нет права удалять программы!");
        return false;
    }
    return true;
}

// `runningProgram`: our own executable when it lies among the product's files.
void RemoveProduct(const std::string& programFolder, const std::string& runningProgram) {
    State().ProgramFolder = programFolder;
    // A folder we cannot see is not removed in part: what we could reach
    // (its shortcuts, its entry) is what would let the user find it again.
    if (!platform::FolderExists(programFolder)) {
        ReportFolderNotFound(programFolder);
        return;
    }
    // What a link there leads to is not the product: nothing is touched.
    if (!FolderIsItselfOrReported(programFolder)) return;
    StopRunningProduct();
    const UninstallPlan plan = PlanUninstall(ProductFileList(State().ProductName), programFolder);
    const UninstallOutcome outcome = ExecutePlan(plan, runningProgram);
    ReportOutcome(outcome, programFolder);
}

void RunAsStartedByUser() {
    const std::string ownPath = platform::OwnExecutablePath();
    const std::string programFolder = FolderOfFile(ownPath);
    if (programFolder.empty() || !UserConfirmsRemoval()) return;
    // A copy takes the order only for the registered installation's folder.
    if (IsRegisteredFolder(programFolder) && HandOverToTemporaryCopy(programFolder)) return;
    // No copy could run: the work is done here, and our own file is left to
    // the system's next start.
    RemoveProduct(programFolder, ownPath);
}

// The order counts only from the registered installation's own uninstaller:
// the command line alone names nothing to remove.
bool FromOurUninstaller(const ReceivedOrder& received) {
    const std::string& folder = received.order.programFolder;
    return received.parentId == received.order.waitForProcess &&
           SameFilePath(received.parentExecutable, folder + kUninstallerFileName) &&
           IsRegisteredFolder(folder);
}

void RunAsTemporaryCopy(const RemovalOrder& order) {
    // The uninstaller in the program folder must be gone before its file can be.
    platform::WaitForProcessExit(order.waitForProcess, kPredecessorWaitMs);
    RemoveProduct(order.programFolder, std::string());
}

}  // namespace

int RunUninstall(const std::string& commandLine) {
    static constexpr StopWords kStopped = {
        "The uninstaller stopped because of an unexpected error:",
        "Удаление прервано из-за непредвиденной ошибки:"};
    // Taken at once, while the uninstaller that sent it still waits for that.
    ReceivedOrder received;
    const bool ordered = ReceiveRemovalOrder(commandLine, &received);
    // The uninstaller that sent an order holds the machine-wide lock until it
    // ends, which it does once the order is taken.
    const int exitCode = RunProgram(kStopped, ordered ? kPredecessorWaitMs : 0, [&] {
        if (!PrepareEnvironment()) return;
        if (ordered && FromOurUninstaller(received)) {
            RunAsTemporaryCopy(received.order);
        } else {
            // Anything else is a start by the user, who is asked first.
            RunAsStartedByUser();
        }
    });
    return exitCode;
}
