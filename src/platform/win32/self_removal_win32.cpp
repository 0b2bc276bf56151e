#include <windows.h>

#include <tlhelp32.h>

#include <vector>

#include "platform/self_removal.h"
#include "security_descriptor.h"
#include "system_library.h"
#include "text_to_wide.h"

namespace platform {

namespace {

ErrorCode LastError() { return static_cast<ErrorCode>(::GetLastError()); }

std::wstring Wide(const std::string& text) { return win32::TextToWide(text); }

// Full control for the system and the administrators, nothing for anyone
// else, and nothing inherited from the folder above.
constexpr wchar_t kAdministratorsOnly[] = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";

using QueryImageNameFunction = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);

// The parent, once found, stays open for the rest of the run.
HANDLE g_parent = nullptr;

DWORD ParentIdOf(DWORD child) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32W entry;
    entry.dwSize = sizeof(entry);
    DWORD parent = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
         more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == child) {
            parent = entry.th32ParentProcessID;
            break;
        }
    }
    ::CloseHandle(snapshot);
    return parent;
}

}  // namespace

std::string OwnExecutablePath() {
    // The path may be longer than MAX_PATH; the call cuts it silently then.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return win32::WideToText(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

std::string SystemTemporaryFolder() {
    wchar_t buffer[MAX_PATH + 1];
    const UINT length = ::GetSystemWindowsDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string folder;
    if (!win32::WideToTextExactly(std::wstring(buffer, length), &folder)) return std::string();
    if (folder.back() != '\\') folder += '\\';
    return folder + "Temp\\";
}

ErrorCode CreateAdministratorsFolder(const std::string& path) {
    win32::LocalDescriptor administratorsOnly;
    if (!administratorsOnly.FromSddl(kAdministratorsOnly)) return LastError();
    return win32::CreateFolderLevel(path, administratorsOnly.get());
}

bool FindParentProcess(std::uint32_t* id, std::string* executable) {
    // Windows before Vista cannot name another process's executable this way:
    // no parent is found there.
    static const auto queryImageName =
        win32::SystemProc<QueryImageNameFunction>("kernel32.dll", "QueryFullProcessImageNameW");
    if (queryImageName == nullptr) return false;
    if (g_parent == nullptr) {
        const DWORD parentId = ParentIdOf(::GetCurrentProcessId());
        if (parentId == 0) return false;
        g_parent = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, parentId);
        if (g_parent == nullptr) return false;
    }
    // An ended parent's id may already name another process that opened above.
    if (::WaitForSingleObject(g_parent, 0) != WAIT_TIMEOUT) return false;
    std::vector<wchar_t> buffer(32768);
    DWORD length = static_cast<DWORD>(buffer.size());
    if (!queryImageName(g_parent, 0, buffer.data(), &length)) return false;
    // A path that cannot be held would be compared as a look-alike: no parent then.
    std::string path;
    if (!win32::WideToTextExactly(std::wstring(buffer.data(), length), &path)) return false;
    *id = ::GetProcessId(g_parent);
    *executable = path;
    return true;
}

std::uint32_t CurrentProcessId() { return ::GetCurrentProcessId(); }

ErrorCode CopyFileTo(const std::string& from, const std::string& to) {
    return ::CopyFileW(Wide(from).c_str(), Wide(to).c_str(), TRUE) ? kSuccess : LastError();
}

ErrorCode StartProcess(const std::string& executable, const std::string& arguments,
                       const std::string& workingFolder) {
    // CreateProcessW may write into the command line it is given.
    const std::wstring program = Wide(executable);
    const std::wstring commandLine = L"\"" + program + L"\" " + Wide(arguments);
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    const std::wstring folder = Wide(workingFolder);
    STARTUPINFOW startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof(process));
    if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
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

ErrorCode DeleteAfterReboot(const std::string& path) {
    return ::MoveFileExW(Wide(path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? kSuccess
                                                                                   : LastError();
}

}  // namespace platform
