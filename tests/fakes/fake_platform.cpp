#include "fake_platform.h"

#include "installation/installer_state.h"

namespace fake {

void ResetAll() {
    Clock().Reset();
    Files().Reset();
    FormToolkit().Reset();
    MessageBoxes().Reset();
    Payload().Reset();
    Processes().Reset();
    ProgressWindow().Reset();
    Registry().Reset();
    SelfRemoval().Reset();
    Shell().Reset();
    SystemInfo().Reset();
}

}  // namespace fake

void FakePlatformTest::SetUp() {
    fake::ResetAll();
    ResetInstallerState();
}
