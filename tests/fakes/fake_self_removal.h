// The uninstaller's own process as the fakes see it: where it runs from, the
// temporary folder, the programs it starts, the processes it waits for, and
// the files left to the system's next start. Copies and folder removals go
// through the fake file system.
#pragma once

#include <cstdint>
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
    std::string temporaryFolder = "C:\\Temp\\";
    std::uint32_t processId = 0x1234;

    platform::ErrorCode startError = platform::kSuccess;
    std::vector<StartedProcess> started;

    // The answer of every wait, and the waits asked for (process id, time limit).
    bool processEnds = true;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> waits;

    std::vector<std::string> deleteAfterReboot;

    void Reset() { *this = FakeSelfRemoval{}; }
};

FakeSelfRemoval& SelfRemoval();

}  // namespace fake
