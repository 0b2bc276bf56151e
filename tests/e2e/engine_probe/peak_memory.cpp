// A test program, never shipped: runs another program, waits for it to end
// and reports the child's private memory from its process handle, so that
// the installation engine and other installers are measured the same way.
//
//   peak_memory PROGRAM [ARGUMENTS...]
//
// Prints one line: peak_private=<bytes> max_private=<bytes> exit=<code>.
// peak_private is PeakPagefileUsage read from the child's handle once it has
// ended. Under Wine that figure is the process's resident anonymous memory
// at the moment of the reading (not a peak), and it reads 0 once the process
// is quite gone; the child is therefore also read every few milliseconds
// while it runs, and the last reading before its end stands in when the one
// after it is 0 (0 when the child was never caught running). max_private is
// the largest of those readings.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

// The arguments as one command line, each quoted where it holds a blank.
std::string CommandLine(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (!line.empty()) line += ' ';
        const bool quote = argument.empty() || argument.find_first_of(" \t") != std::string::npos;
        line += quote ? "\"" + argument + "\"" : argument;
    }
    return line;
}

constexpr DWORD kReadingPauseMs = 5;

SIZE_T PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    return GetProcessMemoryInfo(process, &memory, sizeof memory) ? memory.PeakPagefileUsage : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: peak_memory PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    std::string line = CommandLine(argc, argv);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &child)) {
        std::fprintf(stderr, "peak_memory: cannot start %s (error %lu)\n", argv[1],
                     static_cast<unsigned long>(GetLastError()));
        return 2;
    }
    CloseHandle(child.hThread);
    SIZE_T last = 0, largest = 0;
    while (WaitForSingleObject(child.hProcess, kReadingPauseMs) == WAIT_TIMEOUT) {
        const SIZE_T now = PrivateBytes(child.hProcess);
        if (now != 0) last = now;
        if (now > largest) largest = now;
    }
    const SIZE_T after = PrivateBytes(child.hProcess);
    if (after > largest) largest = after;
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hProcess);
    std::printf("peak_private=%lu max_private=%lu exit=%lu\n",
                static_cast<unsigned long>(after != 0 ? after : last),
                static_cast<unsigned long>(largest), static_cast<unsigned long>(code));
    return 0;
}
