#include "uninstall/stop_running_product.h"

#include <cstdint>

#include "installation/running_product.h"
#include "platform/clock.h"

namespace {

constexpr std::uint32_t kQuitPollMs = 256;
constexpr int kQuitPolls = 20;

}  // namespace

void StopRunningProduct() {
    if (!IsAppRunning()) return;
    AskProductToQuit();
    for (int i = 0; i < kQuitPolls; ++i) {
        platform::SleepMs(kQuitPollMs);
        if (!IsAppRunning()) return;
    }
}
