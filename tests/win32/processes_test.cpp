// The product's marker and window as another process sees them, and programs
// run hidden with a time limit. The stand-in product plays the running product.
#include "platform/processes.h"

#include <windows.h>

#include <cstdio>

#include "check.h"
#include "child_modes.h"
#include "platform/shell.h"

using namespace platform;

namespace {

const char kMarker[] = "norvelik_memfile";

// Upper bounds for things that take well under a second; they only keep a
// broken build from hanging the run.
constexpr int kPolls = 600;
constexpr DWORD kPollMs = 50;
constexpr DWORD kEndMs = 30000;

std::string UniqueName(const char* what) {
    return std::string("nv_check_") + what + "_" + std::to_string(::GetCurrentProcessId());
}

// The product's window once it is shown: it can be found a moment before.
WindowHandle WaitForProductWindow() {
    for (int i = 0; i < kPolls; ++i) {
        if (ProbeNamedMapping(kMarker, 64) == kErrorAlreadyExists) {
            WindowHandle window = FindTopLevelWindow("TNVMainForm");
            if (window != kNoWindow && ::IsWindowVisible(reinterpret_cast<HWND>(window))) {
                return window;
            }
        }
        ::Sleep(kPollMs);
    }
    return kNoWindow;
}

}  // namespace

class Processes : public sandbox::Test {};

TEST_F(Processes, ProbeSeesAnExistingMappingAndNeverKeepsItsOwn) {
    const std::string name = UniqueName("probe");
    EXPECT_EQ(ProbeNamedMapping(name, 64), kSuccess);
    EXPECT_EQ(ProbeNamedMapping(name, 64), kSuccess);  // the first probe left nothing behind
    HANDLE held =
        ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 64, name.c_str());
    ASSERT_TRUE(held != nullptr);
    EXPECT_EQ(ProbeNamedMapping(name, 64), kErrorAlreadyExists);
    ::CloseHandle(held);
    EXPECT_EQ(ProbeNamedMapping(name, 64), kSuccess);
}

TEST_F(Processes, HiddenRunWaitsForTheEndOrEndsTheProgramAtTheLimit) {
    char self[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string program = std::string("\"") + self + "\"";

    HiddenRunResult quick = RunHidden(program + " --load-dll none.dll", kEndMs);
    EXPECT_TRUE(quick.started);
    EXPECT_FALSE(quick.timedOut);

    const std::string marker = UniqueName("hidden");
    HiddenRunResult endless = RunHidden(program + " --hold-marker " + marker, 500);
    EXPECT_TRUE(endless.started);
    EXPECT_TRUE(endless.timedOut);
    // Ended, so its marker is gone with it.
    EXPECT_EQ(ProbeNamedMapping(marker, 64), kSuccess);

    HiddenRunResult missing = RunHidden("nv_no_such_program.exe", kEndMs);
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.timedOut);
}

TEST_F(Processes, StandInProductHoldsItsMarkerUntilItsWindowGetsQuit) {
    ASSERT_EQ(ProbeNamedMapping(kMarker, 64), kSuccess);
    ASSERT_TRUE(ShellOpen(check::ProgramFolder() + "standin_product.exe", "", "", kSwShowNormal));
    const WindowHandle window = WaitForProductWindow();
    ASSERT_TRUE(window != kNoWindow);
    HWND hwnd = reinterpret_cast<HWND>(window);
    char title[64] = {};
    ::GetWindowTextA(hwnd, title, sizeof(title));
    EXPECT_EQ(std::string(title), std::string("Норвелик"));
    ShowWindowAs(window, kSwShowNormal);
    BringToForeground(window);

    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    ASSERT_TRUE(process != nullptr);
    EXPECT_TRUE(PostWindowMessage(window, kWmQuit, 0, 0));
    EXPECT_EQ(::WaitForSingleObject(process, kEndMs), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process, &exitCode);
    ::CloseHandle(process);
    EXPECT_EQ(exitCode, 0ul);
    EXPECT_EQ(ProbeNamedMapping(kMarker, 64), kSuccess);
    EXPECT_EQ(FindTopLevelWindow("TNVMainForm"), kNoWindow);
}

TEST_F(Processes, StandInUninstallerEndsAtOnceWithSuccess) {
    char line[MAX_PATH + 32];
    std::snprintf(line, sizeof(line), "\"%sstandin_uninstall.exe\"",
                  check::ProgramFolder().c_str());
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    ASSERT_TRUE(::CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &process));
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, kEndMs), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0ul);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}
