#include "control/main_sequence.h"

#include "control/complete_setup.h"
#include "control/startup_checks.h"
#include "host/program_entry.h"
#include "ui/setup_form.h"

int RunSetup() {
    // An error no step handles (an unreadable machine-wide registry value,
    // memory running out) ends the setup; the user learns why instead of
    // seeing it vanish.
    static constexpr StopWords kStopped = {
        "The setup program stopped because of an unexpected error:",
        "Установка прервана из-за непредвиденной ошибки:"};
    return RunProgram(kStopped, 0, [] {
        if (StartupChecks()) {
            RunSetupForm();
            CompleteSetup();
        }
    });
}
