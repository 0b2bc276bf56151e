// What the uninstaller needs beyond the setup's services: its own path, a copy
// of itself in a folder of the administrators' that it starts and that waits
// for the uninstaller which started it, and files the system deletes at the
// next start because they cannot go now (a running program's own file).
#pragma once

#include <cstdint>
#include <string>

#include "platform/error_codes.h"

namespace platform {

// The full path of the running program's executable; "" when the current
// text code page cannot hold it character for character.
std::string OwnExecutablePath();

// The system's own temporary folder (the Temp folder in the Windows folder),
// ending with a backslash; "" when the system names none or its path cannot
// be held character for character.
std::string SystemTemporaryFolder();

// Creates one folder level that did not exist (kErrorAlreadyExists when
// anything has that name). Only administrators and the system may write into
// it or change it, whatever the rights of the folder above it: a program
// started from there finds no DLL a user put beside it.
ErrorCode CreateAdministratorsFolder(const std::string& path);

// The process that started this one, while it still runs: its id and the
// full path of its executable. It is held open from then on, so that its id
// names no other process while this one waits for it. False when it has
// ended, cannot be asked, or its path cannot be held character for character.
bool FindParentProcess(std::uint32_t* id, std::string* executable);

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

// Asks the system to delete the file (or empty folder) when it next starts.
ErrorCode DeleteAfterReboot(const std::string& path);

}  // namespace platform
