#include "installation/running_product.h"

#include <cstdint>

#include "platform/processes.h"

namespace {

constexpr std::uint32_t kMarkerSize = 64;

}  // namespace

bool IsAppRunning() {
    return platform::ProbeNamedMapping(kRunningMarkerName, kMarkerSize) ==
           platform::kErrorAlreadyExists;
}

void AskProductToQuit() {
    const platform::WindowHandle window = platform::FindTopLevelWindow(kMainFormClassName);
    if (window != platform::kNoWindow) platform::PostWindowMessage(window, platform::kWmQuit, 0, 0);
}
