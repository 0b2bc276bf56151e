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
    std::string output;     // the bytes it wrote to its standard output, as written
};

// Starts the program file `program`, a full path: it is handed to the system
// as the program to run and, quoted, as the head of the command line, so no
// part of it is searched for or split at a blank. `arguments` follow it. The
// program runs with a hidden window in a new console and process group, in
// `folder`, with our environment. Its standard output is the write end of an
// anonymous pipe, the one handle made inheritable for it (the program makes
// no other handle inheritable); standard input and error are left unset.
// The pipe is read while waiting at most `timeoutMs` for the program to end;
// a program still running then is ended (timedOut, `output` holds what it
// wrote until then). Not started: started false and no output.
HiddenRunResult RunHiddenReadingOutput(const std::string& program, const std::string& arguments,
                                       const std::string& folder, std::uint32_t timeoutMs);

}  // namespace platform
