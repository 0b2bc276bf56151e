#include "uninstall/uninstall_sequence.h"

#include <cstdint>

#include "control/installer_state.h"
#include "control/product_file_list.h"
#include "control/product_identity.h"
#include "host/common_unit.h"
#include "host/system_folders.h"
#include "platform/self_removal.h"
#include "platform/shell.h"
#include "uninstall/plan_execution.h"
#include "uninstall/running_product.h"
#include "uninstall/temporary_copy.h"
#include "uninstall/uninstall_arguments.h"
#include "uninstall/uninstall_messages.h"
#include "uninstall/uninstall_plan.h"

namespace {

// How long the copy gives the uninstaller that started it to end.
constexpr std::uint32_t kPredecessorWaitMs = 10000;

std::string FolderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Identity, folders and rights. False once the user has been told why not.
bool PrepareEnvironment() {
    WriteProductIdentity();
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
    StopRunningProduct();
    const UninstallPlan plan = PlanUninstall(ProductFileList(State().ProductName), programFolder);
    const UninstallOutcome outcome = ExecutePlan(plan, runningProgram);
    ReportOutcome(outcome, programFolder);
}

void RunAsStartedByUser() {
    if (!PrepareEnvironment()) return;
    const std::string ownPath = platform::OwnExecutablePath();
    const std::string programFolder = FolderOf(ownPath);
    if (programFolder.empty() || !UserConfirmsRemoval()) return;
    if (HandOverToTemporaryCopy(programFolder)) return;
    // No copy could run: the work is done here, and our own file is left to
    // the system's next start.
    RemoveProduct(programFolder, ownPath);
}

void RunAsTemporaryCopy(const RemovalOrder& order) {
    // The uninstaller in the program folder must be gone before its file can be.
    platform::WaitForProcessExit(order.waitForProcess, kPredecessorWaitMs);
    if (PrepareEnvironment()) RemoveProduct(order.programFolder, std::string());
    platform::DeleteAfterReboot(platform::OwnExecutablePath());
}

}  // namespace

int RunUninstall(const std::string& commandLine) {
    StartCommonUnit();
    // Reading the desktop shortcut's target needs the component library.
    platform::InitializeComponentLibrary();
    RemovalOrder order;
    if (ParseRemovalOrder(commandLine, &order)) {
        RunAsTemporaryCopy(order);
    } else {
        RunAsStartedByUser();
    }
    ShutdownCommonUnit();
    return 0;
}
