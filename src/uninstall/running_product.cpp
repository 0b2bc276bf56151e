#include "uninstall/running_product.h"

#include <cstdint>

#include "control/startup_checks.h"
#include "platform/clock.h"
#include "platform/processes.h"

namespace {

constexpr std::uint32_t kQuitPollMs = 256;
constexpr int kQuitPolls = 20;

}  // namespace

void StopRunningProduct() {
    if (!IsAppRunning()) return;
    const platform::WindowHandle window = platform::FindTopLevelWindow(kMainFormClassName);
    if (window != platform::kNoWindow) platform::PostWindowMessage(window, platform::kWmQuit, 0, 0);
    for (int i = 0; i < kQuitPolls; ++i) {
        platform::SleepMs(kQuitPollMs);
        if (!IsAppRunning()) return;
    }
}
