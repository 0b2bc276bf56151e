#include "fake_processes.h"

namespace fake {

FakeProcesses& Processes() {
    static FakeProcesses processes;
    return processes;
}

}  // namespace fake

namespace platform {

ErrorCode ProbeNamedMapping(const std::string& name, std::uint32_t size) {
    fake::FakeProcesses& p = fake::Processes();
    ++p.probes;
    p.lastProbeSize = size;
    if (p.mappingCreationFails) return kErrorAccessDenied;
    return p.mappings.count(name) ? kErrorAlreadyExists : kSuccess;
}

ErrorCode HoldNamedLock(const std::string& name, std::uint32_t waitMs) {
    fake::FakeProcesses& p = fake::Processes();
    p.lockRequests.emplace_back(name, waitMs);
    // A mutex this process owns already is taken again at once.
    if (p.locksHeld.count(name)) return kSuccess;
    const auto holder = p.locksHeldElsewhere.find(name);
    if (holder != p.locksHeldElsewhere.end()) {
        if (holder->second == fake::FakeProcesses::kHeldForever || holder->second > waitMs) {
            return kErrorTimeout;
        }
        p.locksHeldElsewhere.erase(holder);  // its holder ended within the wait
    } else if (p.lockCreation != kSuccess) {
        return p.lockCreation;
    }
    p.locksHeld.insert(name);
    return kSuccess;
}

WindowHandle FindTopLevelWindow(const std::string& className) {
    fake::FakeProcesses& p = fake::Processes();
    ++p.windowSearches;
    auto it = p.windowsByClass.find(className);
    return it == p.windowsByClass.end() ? kNoWindow : it->second;
}

bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    fake::Processes().posted.push_back({window, message, wParam, lParam});
    return true;
}

void ShowWindowAs(WindowHandle window, int showCommand) {
    fake::Processes().showCalls.emplace_back(window, showCommand);
}

bool BringToForeground(WindowHandle window) {
    fake::Processes().foregroundCalls.push_back(window);
    return true;
}

void AllowForegroundFor(std::uint32_t processId) {
    fake::Processes().allowedForeground.push_back(processId);
}

HiddenRunResult RunHiddenReadingOutput(const std::string& program, const std::string& arguments,
                                       const std::string& folder, std::uint32_t timeoutMs) {
    fake::FakeProcesses& p = fake::Processes();
    p.hiddenRuns.push_back({program, arguments, folder, timeoutMs});
    if (!p.runHidden) return HiddenRunResult{};
    return p.runHidden(p.hiddenRuns.back());
}

}  // namespace platform
