#include "control/running_marker.h"

#include "platform/error_codes.h"
#include "platform/processes.h"

namespace {
constexpr std::uint32_t kMarkerSize = 64;  // the size the product creates it with
}  // namespace

bool IsAppRunning() {
    return platform::ProbeNamedMapping(kRunningMarkerName, kMarkerSize) ==
           platform::kErrorAlreadyExists;
}
