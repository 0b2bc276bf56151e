#include <windows.h>

#include <vector>

#include "platform/processes.h"

namespace platform {

namespace {

HWND Window(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

ErrorCode ProbeNamedMapping(const std::string& name, std::uint32_t size) {
    ::SetLastError(ERROR_SUCCESS);  // a new mapping need not clear an older error
    HANDLE mapping =
        ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name.c_str());
    ErrorCode result = static_cast<ErrorCode>(::GetLastError());
    if (mapping != nullptr) {
        ::CloseHandle(mapping);
    } else if (result == kSuccess) {
        result = ERROR_INVALID_HANDLE;  // no mapping and no reason given
    }
    return result;
}

ErrorCode HoldNamedLock(const std::string& name, std::uint32_t waitMs) {
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
    if (mutex == nullptr) return static_cast<ErrorCode>(::GetLastError());
    const DWORD waited = ::WaitForSingleObject(mutex, waitMs);
    // The handle stays open: the lock lasts until the process ends.
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) return kSuccess;
    const ErrorCode result =
        waited == WAIT_TIMEOUT ? kErrorTimeout : static_cast<ErrorCode>(::GetLastError());
    ::CloseHandle(mutex);
    return result;
}

WindowHandle FindTopLevelWindow(const std::string& className) {
    return reinterpret_cast<WindowHandle>(::FindWindowA(className.c_str(), nullptr));
}

bool PostWindowMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    return ::PostMessageA(Window(window), message, wParam, lParam) != FALSE;
}

void ShowWindowAs(WindowHandle window, int showCommand) {
    ::ShowWindow(Window(window), showCommand);
}

bool BringToForeground(WindowHandle window) {
    return ::SetForegroundWindow(Window(window)) != FALSE;
}

void AllowForegroundFor(std::uint32_t processId) { ::AllowSetForegroundWindow(processId); }

HiddenRunResult RunHidden(const std::string& commandLine, std::uint32_t timeoutMs) {
    HiddenRunResult result;
    // CreateProcessA may write into the command line it is given.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof(process));
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                          CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup,
                          &process)) {
        return result;
    }
    result.started = true;
    if (::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_TIMEOUT) {
        // The process goes on for a moment while the system takes it down,
        // with its files still open: the caller may want to delete them.
        if (::TerminateProcess(process.hProcess, 1)) {
            ::WaitForSingleObject(process.hProcess, INFINITE);
        }
        result.timedOut = true;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return result;
}

}  // namespace platform
