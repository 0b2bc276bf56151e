// Starting a program through the desktop's shell. Where the session has such
// a shell, the program must really start, in the folder it was given; where
// it has none, the call must say so, so that the caller starts it itself.
#include "platform/unelevated_start.h"

#include <windows.h>

#include <tlhelp32.h>

#include <cstdio>

#include "check.h"
#include "platform/processes.h"
#include "platform/shell.h"

using namespace platform;

namespace {

constexpr int kPolls = 600;
constexpr DWORD kPollMs = 50;
constexpr DWORD kEndMs = 30000;

WindowHandle WaitForWindow(const char* className) {
    for (int i = 0; i < kPolls; ++i) {
        WindowHandle window = FindTopLevelWindow(className);
        if (window != kNoWindow) return window;
        ::Sleep(kPollMs);
    }
    return kNoWindow;
}

// The executable name of the process that started `processId`.
std::string ParentName(DWORD processId) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return "";
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof(entry);
    DWORD parent = 0;
    for (BOOL more = ::Process32First(snapshot, &entry); more;
         more = ::Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == processId) parent = entry.th32ParentProcessID;
    }
    std::string name;
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32First(snapshot, &entry); more;
         more = ::Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == parent) name = entry.szExeFile;
    }
    ::CloseHandle(snapshot);
    return name;
}

}  // namespace

class UnelevatedStart : public sandbox::Test {};

TEST_F(UnelevatedStart, DesktopShellStartsTheProgramOrDeclines) {
    InitializeComponentLibrary();
    const bool started = ShellOpenAsDesktopUser(check::ProgramFolder() + "standin_product.exe", "",
                                                check::ProgramFolder(), kSwShowNormal);
    if (!started) {
        std::printf("  no desktop shell to start programs: the caller starts them itself\n");
        return;
    }
    const WindowHandle window = WaitForWindow("TNVMainForm");
    ASSERT_TRUE(window != kNoWindow);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &processId);
    std::printf("  started by the desktop's shell, parent %s\n", ParentName(processId).c_str());
    // Not a child of this process: it runs in the desktop's own session.
    EXPECT_TRUE(ParentName(processId) != ParentName(::GetCurrentProcessId()) ||
                ParentName(processId).empty());
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, processId);
    ASSERT_TRUE(process != nullptr);
    EXPECT_TRUE(PostWindowMessage(window, kWmQuit, 0, 0));
    EXPECT_EQ(::WaitForSingleObject(process, kEndMs), static_cast<DWORD>(WAIT_OBJECT_0));
    ::CloseHandle(process);
}
