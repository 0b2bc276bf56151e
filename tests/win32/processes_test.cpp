// The product's marker and window as another process sees them, and programs
// run hidden with a time limit, their output read through a pipe. The stand-in product plays the
// running product.
#include "platform/processes.h"

#include <windows.h>

#include <cstdio>

#include "check.h"
#include "child_modes.h"
#include "platform/shell.h"
#include "platform/system_info.h"

using namespace platform;

namespace {

const char kMarker[] = "norvelik_memfile";

// Upper bounds for things that take well under a second; they only keep a
// broken build from hanging the run.
constexpr int kPolls = 600;
constexpr DWORD kPollMs = 50;
constexpr DWORD kEndMs = 30000;

std::string SelfPath() {
    char self[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    return self;
}

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

TEST_F(Processes, HiddenRunReadsTheWholeOutputOrEndsTheProgramAtTheLimit) {
    const std::string self = SelfPath();
    const std::string folder = sandbox::Folder();
    // More than the pipe holds: the program waits for the pipe to be read.
    for (unsigned long count : {0ul, 26ul, 300000ul}) {
        const HiddenRunResult run =
            RunHiddenReadingOutput(self, "--print " + std::to_string(count), folder, kEndMs);
        EXPECT_TRUE(run.started) << count;
        EXPECT_FALSE(run.timedOut) << count;
        ASSERT_EQ(run.output.size(), count);
        for (std::size_t i = 0; i < count; i += 9973) {
            ASSERT_EQ(run.output[i], static_cast<char>('a' + i % 26)) << i;
        }
    }

    const std::string marker = UniqueName("hidden");
    const HiddenRunResult endless =
        RunHiddenReadingOutput(self, "--hold-marker " + marker, folder, 500);
    EXPECT_TRUE(endless.started);
    EXPECT_TRUE(endless.timedOut);
    // Ended, so its marker is gone with it.
    EXPECT_EQ(ProbeNamedMapping(marker, 64), kSuccess);

    const HiddenRunResult missing =
        RunHiddenReadingOutput(folder + "nv_no_such_program.exe", "", folder, kEndMs);
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.timedOut);
    EXPECT_EQ(missing.output, "");
}

TEST_F(Processes, HiddenRunStartsTheProgramOfItsWholePathInTheFolderGiven) {
    // A program whose path has a blank, and another (one that prints nothing)
    // at the path's part before it, which a command line read up to its
    // first blank would start instead.
    const std::string folder = sandbox::Folder();
    ASSERT_TRUE(::CreateDirectoryA((folder + "nv tools").c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryA((folder + "elsewhere").c_str(), nullptr));
    const std::string program = folder + "nv tools\\child.exe";
    ASSERT_TRUE(::CopyFileA(SelfPath().c_str(), program.c_str(), TRUE));
    const std::string other = check::ProgramFolder() + "standin_uninstall.exe";
    ASSERT_TRUE(::CopyFileA(other.c_str(), (folder + "nv.exe").c_str(), TRUE));

    const HiddenRunResult run =
        RunHiddenReadingOutput(program, "--print-whereabouts x", folder + "elsewhere", kEndMs);
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.output, program + "\n" + folder + "elsewhere\n");
}

TEST_F(Processes, SystemInterpreterPrintsItsBannerIntoThePipe) {
    const std::string system = SystemFolder();
    ASSERT_NE(system, "");
    const HiddenRunResult run =
        RunHiddenReadingOutput(system + "\\cmd.exe", "/d /c ver", system, kEndMs);
    EXPECT_TRUE(run.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_NE(run.output.find("Windows"), std::string::npos) << run.output;
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
