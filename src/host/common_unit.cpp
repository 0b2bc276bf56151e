// Start-up and shutdown of the common services, and the choice of mode.
#include "host/common_unit.h"

#include "host/random_source.h"
#include "host/registry.h"
#include "host/windows_version.h"
#include "installation/installer_state.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/system_info.h"

const char* const CurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion\\";

bool IsRussianLocale(std::uint32_t lcid) {
    switch (lcid) {
        case 0x0402:  // Bulgarian (Bulgaria)
        case 0x0419:  // Russian (Russia)
        case 0x0422:  // Ukrainian (Ukraine)
        case 0x0423:  // Belarusian (Belarus)
        case 0x043F:  // Kazakh (Kazakhstan)
        case 0x0444:  // Tatar (Russia)
        case 0x0819:  // Russian (Moldova)
            return true;
        default:
            return false;
    }
}

void StartCommonUnit() {
    SeedRandom(platform::RandomSeed());
    const std::uint32_t lcid = platform::UserDefaultLcid();
    InstallerState& s = State();
    s.VersionMajor = -1;
    s.VersionMinor = -1;
    s.IsRussian = IsRussianLocale(lcid);
    // Only the 64-bit flag matters here: on 64-bit Windows every key of the
    // run must name the 64-bit view, although this is a 32-bit process.
    DescribeWindows();
    delete s.Reg;
    s.Reg = new Registry(IsWin64() ? platform::kKeyAllAccess | platform::kKeyWow64_64Key
                                   : platform::kKeyAllAccess);
}

void ShutdownCommonUnit() {
    InstallerState& s = State();
    delete s.Reg;  // closes a key still open
    s.Reg = nullptr;
    ResetInstallerState();
}
