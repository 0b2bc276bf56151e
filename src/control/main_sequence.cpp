#include "control/main_sequence.h"

#include <exception>
#include <string>

#include "control/complete_setup.h"
#include "control/startup_checks.h"
#include "host/common_unit.h"
#include "platform/shell.h"
#include "ui/setup_form.h"

namespace {

// An error no step handles (an unreadable machine-wide registry value, memory
// running out) ends the setup; the user learns why instead of seeing it vanish.
void ReportUnexpectedError(const char* what) {
    const std::string detail = what != nullptr ? what : "";
    ErrorBox("The setup program stopped because of an unexpected error:\r\n" + detail,
             "Установка прервана из-за непредвиденной ошибки:\r\n" + detail);
}

}  // namespace

int RunSetup() {
    StartCommonUnit();
    // The folder dialog and the shortcuts need the component library on this thread.
    platform::InitializeComponentLibrary();
    try {
        if (StartupChecks()) {
            RunSetupForm();
            CompleteSetup();
        }
    } catch (const std::exception& error) {
        ReportUnexpectedError(error.what());
    }
    ShutdownCommonUnit();
    return 0;
}
