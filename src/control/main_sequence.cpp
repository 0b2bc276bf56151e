#include "control/main_sequence.h"

#include "control/startup_checks.h"
#include "host/common_unit.h"
#include "platform/shell.h"

int RunSetup() {
    StartCommonUnit();
    // The folder dialog and the shortcuts need the component library on this thread.
    platform::InitializeComponentLibrary();
    StartupChecks();
    ShutdownCommonUnit();
    return 0;
}
