// Start-up and shutdown of the common services, and the choice of mode.
#include "host/common_unit.h"

#include "host/random_source.h"
#include "host/registry_object.h"
#include "host/windows_version.h"
#include "installation/installer_state.h"
#include "platform/clock.h"
#include "platform/registry_calls.h"
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
    StartRegistry(IsWin64() ? platform::kKeyAllAccess | platform::kKeyWow64_64Key
                            : platform::kKeyAllAccess);
}

void ShutdownCommonUnit() {
    StopRegistry();
    ResetInstallerState();
}

namespace {

// The object lives for the whole process; between the start of the common
// services and their shutdown it is the run's, with the access chosen then.
Registry g_registry(0);
bool g_registryStarted = false;

}  // namespace

Registry& Reg() { return g_registry; }

bool HasReg() { return g_registryStarted; }

void StartRegistry(std::uint32_t access) {
    g_registry.Reset(access);
    g_registryStarted = true;
}

void StopRegistry() {
    g_registry.Reset(0);
    g_registryStarted = false;
}
