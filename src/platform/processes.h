// Other processes and their windows: the product's "running" marker, its main
// window, programs the setup starts, and the lock that keeps a second setup or
// uninstaller from running beside the first.
#pragma once

#include <cstdint>
#include <string>

#include "platform/error_codes.h"

namespace platform {

// A top-level window; kNoWindow means none.
using WindowHandle = std::uintptr_t;
constexpr WindowHandle kNoWindow = 0;

constexpr std::uint32_t kWmQuit = 0x0012;
constexpr int kSwShowNormal = 1;

// Creates a named file mapping of `size` bytes backed by the paging file and
// closes it again at once. Returns the error code the creation left:
// kErrorAlreadyExists when a mapping of that name existed before, kSuccess when
// it did not, anything else when it could not be created. The probe itself
// never keeps the mapping alive.
ErrorCode ProbeNamedMapping(const std::string& name, std::uint32_t size);

// Takes the named mutex `name` for the rest of the process's life, waiting at
// most `waitMs` for a process that holds it to end or let go. kSuccess once it
// is ours (also when its holder ended without letting go); kErrorTimeout while
// another process still holds it; kErrorAccessDenied when it exists but this
// process may not open it (another user's program holds it); any other code
// when it could not be made.
ErrorCode HoldNamedLock(const std::string& name, std::uint32_t waitMs);

// A top-level window of this class, any title.
WindowHandle FindTopLevelWindow(const std::string& className);

bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam);

void ShowWindowAs(WindowHandle window, int showCommand);
bool BringToForeground(WindowHandle window);

// Allows the process with this id to take the foreground from us.
void AllowForegroundFor(std::uint32_t processId);

struct HiddenRunResult {
    bool started = false;
    bool timedOut = false;  // ended by us after the time limit
};

// Runs `commandLine` with a hidden window in a new console and process group
// (no application name, no inherited handles, our environment and folder) and
// waits at most `timeoutMs` for it; a process still running then is ended.
HiddenRunResult RunHidden(const std::string& commandLine, std::uint32_t timeoutMs);

}  // namespace platform
