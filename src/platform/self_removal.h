// What the uninstaller needs beyond the setup's services: its own path, a copy
// of itself in the temporary folder that it starts and whose predecessor it
// waits for, folders removed only when empty, and files the system deletes at
// the next start because they cannot go now (a running program's own file).
#pragma once

#include <cstdint>
#include <string>

#include "platform/error_codes.h"

namespace platform {

// The full path of the running program's executable.
std::string OwnExecutablePath();

// The user's temporary folder, ending with a backslash.
std::string TemporaryFolder();

std::uint32_t CurrentProcessId();

// Copies the file `from` to `to`; kErrorFileExists (or kErrorAlreadyExists)
// when `to` exists already, which is never overwritten.
ErrorCode CopyFileTo(const std::string& from, const std::string& to);

// Starts `executable` with `arguments` in `workingFolder` and returns without
// waiting for it.
ErrorCode StartProcess(const std::string& executable, const std::string& arguments,
                       const std::string& workingFolder);

// Waits at most `timeoutMs` for the process with this id to end. True when it
// has ended (or no longer exists), false when it still runs.
bool WaitForProcessExit(std::uint32_t processId, std::uint32_t timeoutMs);

// Removes a folder that holds nothing; kErrorDirNotEmpty when it holds anything.
ErrorCode RemoveEmptyFolder(const std::string& path);

// Asks the system to delete the file (or empty folder) when it next starts.
ErrorCode DeleteAfterReboot(const std::string& path);

}  // namespace platform
