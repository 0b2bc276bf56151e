#include <windows.h>

#include <vector>

#include "platform/self_removal.h"

namespace platform {

namespace {

ErrorCode LastError() { return static_cast<ErrorCode>(::GetLastError()); }

}  // namespace

std::string OwnExecutablePath() {
    // The path may be longer than MAX_PATH; the call cuts it silently then.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string TemporaryFolder() {
    char buffer[MAX_PATH + 1];
    const DWORD length = ::GetTempPathA(sizeof(buffer), buffer);
    if (length == 0 || length > MAX_PATH) return std::string();
    std::string folder(buffer, length);
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

std::uint32_t CurrentProcessId() { return ::GetCurrentProcessId(); }

ErrorCode CopyFileTo(const std::string& from, const std::string& to) {
    return ::CopyFileA(from.c_str(), to.c_str(), TRUE) ? kSuccess : LastError();
}

ErrorCode StartProcess(const std::string& executable, const std::string& arguments,
                       const std::string& workingFolder) {
    // CreateProcessA may write into the command line it is given.
    const std::string commandLine = "\"" + executable + "\" " + arguments;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof(process));
    if (!::CreateProcessA(executable.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup,
                          &process)) {
        return LastError();
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return kSuccess;
}

bool WaitForProcessExit(std::uint32_t processId, std::uint32_t timeoutMs) {
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, processId);
    // A process that cannot be opened has ended already.
    if (process == nullptr) return true;
    const bool ended = ::WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return ended;
}

ErrorCode RemoveEmptyFolder(const std::string& path) {
    return ::RemoveDirectoryA(path.c_str()) ? kSuccess : LastError();
}

ErrorCode DeleteAfterReboot(const std::string& path) {
    return ::MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? kSuccess
                                                                             : LastError();
}

}  // namespace platform
