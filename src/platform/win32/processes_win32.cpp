#include <windows.h>

#include <vector>

#include "platform/processes.h"

namespace platform {

namespace {

HWND Window(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// How often a running program's pipe is looked at: its output waits in the
// pipe meanwhile, and a program that fills the pipe waits for us.
constexpr DWORD kPipePollMs = 5;

// Appends what the pipe holds now, without waiting for more.
void ReadWhatIsThere(HANDLE readEnd, std::string* output) {
    char buffer[4096];
    DWORD available = 0;
    while (::PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        DWORD read = 0;
        const DWORD wanted = available < sizeof(buffer) ? available : sizeof(buffer);
        if (!::ReadFile(readEnd, buffer, wanted, &read, nullptr) || read == 0) return;
        output->append(buffer, read);
    }
}

// Reads the pipe until the process ends, then takes what is left in it: a
// program the process started may hold the pipe open, so its end is not
// awaited. False when the process is still running after `timeoutMs`.
bool ReadUntilEnded(HANDLE process, HANDLE readEnd, DWORD timeoutMs, std::string* output) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD waited = ::GetTickCount() - start;
        const DWORD left = waited < timeoutMs ? timeoutMs - waited : 0;
        const bool ended = ::WaitForSingleObject(
                               process, left < kPipePollMs ? left : kPipePollMs) == WAIT_OBJECT_0;
        ReadWhatIsThere(readEnd, output);
        if (ended) return true;
        if (left == 0) return false;
    }
}

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

HiddenRunResult RunHiddenReadingOutput(const std::string& program, const std::string& arguments,
                                       const std::string& folder, std::uint32_t timeoutMs) {
    HiddenRunResult result;
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, nullptr, 0)) return result;
    // Made without inheritance; only the end the program writes to is passed on.
    if (!::SetHandleInformation(writeEnd, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)) {
        ::CloseHandle(writeEnd);
        ::CloseHandle(readEnd);
        return result;
    }
    std::string text = "\"" + program + "\"";
    if (!arguments.empty()) text += " " + arguments;
    // CreateProcessA may write into the command line it is given.
    std::vector<char> line(text.begin(), text.end());
    line.push_back('\0');
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof(process));
    const BOOL created =
        ::CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE,
                         CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP, nullptr,
                         folder.empty() ? nullptr : folder.c_str(), &startup, &process);
    // The program holds its own copy now; ours would keep the pipe open.
    ::CloseHandle(writeEnd);
    if (!created) {
        ::CloseHandle(readEnd);
        return result;
    }
    result.started = true;
    result.timedOut = !ReadUntilEnded(process.hProcess, readEnd, timeoutMs, &result.output);
    if (result.timedOut && ::TerminateProcess(process.hProcess, 1)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
    }
    ::CloseHandle(readEnd);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return result;
}

}  // namespace platform
