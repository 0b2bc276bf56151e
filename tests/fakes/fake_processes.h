// Other processes as the setup program sees them: named mappings that exist,
// top-level windows by class, what was posted to them, and programs run hidden.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace fake {

struct PostedMessage {
    platform::WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

class FakeProcesses {
  public:
    std::set<std::string> mappings;  // names of mappings that exist
    bool mappingCreationFails = false;
    std::map<std::string, platform::WindowHandle> windowsByClass;
    std::vector<PostedMessage> posted;
    std::vector<std::pair<platform::WindowHandle, int>> showCalls;
    std::vector<platform::WindowHandle> foregroundCalls;
    std::vector<std::uint32_t> allowedForeground;
    int probes = 0;
    std::uint32_t lastProbeSize = 0;
    int windowSearches = 0;

    // Named locks that other processes hold, with the time after which their
    // holder ends (kHeldForever: not within any wait), and what creating one
    // that nobody holds answers (kSuccess: it is made and ours).
    static constexpr std::uint32_t kHeldForever = UINT32_MAX;
    std::map<std::string, std::uint32_t> locksHeldElsewhere;
    platform::ErrorCode lockCreation = platform::kSuccess;
    std::set<std::string> locksHeld;  // ours, for the rest of the "process"
    std::vector<std::pair<std::string, std::uint32_t>> lockRequests;  // name, wait

    // A program started by RunHiddenReadingOutput, as it was asked for.
    struct HiddenRun {
        std::string program;
        std::string arguments;
        std::string folder;
        std::uint32_t timeoutMs;
    };
    // Called for each hidden run; returns what the run did and printed. By
    // default the program does not start.
    std::function<platform::HiddenRunResult(const HiddenRun&)> runHidden;
    std::vector<HiddenRun> hiddenRuns;  // every one asked for, started or not

    void Reset() { *this = FakeProcesses{}; }
};

FakeProcesses& Processes();

}  // namespace fake
