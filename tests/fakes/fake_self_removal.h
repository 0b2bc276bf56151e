// The uninstaller's own process as the fakes see it: where it runs from, the
// system's temporary folder, the process that started it, the programs it
// starts, the processes it waits for, and the files left to the system's next
// start. Copies, the administrators' folders and folder removals go through
// the fake file system.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/error_codes.h"

namespace fake {

struct StartedProcess {
    std::string executable;
    std::string arguments;
    std::string workingFolder;
};

class FakeSelfRemoval {
  public:
    std::string ownPath = "C:\\Program Files\\Norvelik\\uninstall.exe";
    std::string systemTemporaryFolder = "C:\\Windows\\Temp\\";
    std::uint32_t processId = 0x1234;

    // The process that started this one; none when parentId is 0.
    std::uint32_t parentId = 0;
    std::string parentExecutable;
    // Folders made for the administrators only, in the order made.
    std::vector<std::string> administratorsFolders;

    platform::ErrorCode startError = platform::kSuccess;
    std::vector<StartedProcess> started;
    // Runs right after a program has been started, as that program would
    // begin its work meanwhile.
    std::function<void(const StartedProcess&)> onStart;

    // The answer of every wait, and the waits asked for (process id, time limit).
    bool processEnds = true;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> waits;

    std::vector<std::string> deleteAfterReboot;

    void Reset() { *this = FakeSelfRemoval{}; }
};

FakeSelfRemoval& SelfRemoval();

}  // namespace fake
