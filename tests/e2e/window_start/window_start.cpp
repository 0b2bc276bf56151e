// A test program, never shipped: times how long programs take from their
// start to their first window, for bench/start_bench.sh.
//
//   window_start CLASS PROGRAM [CLASS PROGRAM...]
//
// Starts each PROGRAM in turn (in its own folder) and waits, looking every
// millisecond, until a visible top-level window of CLASS belongs to it; then
// closes that window (WM_CLOSE) and waits for the program to end. Prints the
// version the version query reports here, then one line per program:
// "PROGRAM ms=<time from CreateProcess to the window>". Exit code 1 when a
// program does not start, ends without its window or shows none in 30 s.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kGiveUpMs = 30000;

struct Search {
    const char* className;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK LookAt(HWND window, LPARAM context) {
    Search* search = reinterpret_cast<Search*>(context);
    char className[256] = {};
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !::IsWindowVisible(window)) return TRUE;
    ::GetClassNameA(window, className, sizeof className);
    if (::lstrcmpA(className, search->className) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The time to the program's first visible window of the class, or -1.
double TimeToWindow(const char* className, const std::string& program) {
    std::string line = "\"" + program + "\"";
    const std::string folder = program.substr(0, program.find_last_of("\\/") + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        std::printf("%s: cannot start, error %lu\n", program.c_str(), ::GetLastError());
        return -1;
    }
    ::CloseHandle(process.hThread);
    Search search = {className, process.dwProcessId, nullptr};
    double elapsed = -1;
    for (;;) {
        ::EnumWindows(LookAt, reinterpret_cast<LPARAM>(&search));
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        if (search.found != nullptr) {
            elapsed = Milliseconds(start, now);
            break;
        }
        if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            std::printf("%s: ended without a %s window\n", program.c_str(), className);
            break;
        }
        if (Milliseconds(start, now) > kGiveUpMs) {
            std::printf("%s: no %s window in %lu ms\n", program.c_str(), className, kGiveUpMs);
            break;
        }
    }
    if (search.found != nullptr) ::PostMessageA(search.found, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, kGiveUpMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        ::WaitForSingleObject(process.hProcess, kGiveUpMs);
    }
    ::CloseHandle(process.hProcess);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc % 2 == 0) {
        std::printf("usage: window_start CLASS PROGRAM [CLASS PROGRAM...]\n");
        return 2;
    }
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    ::GetVersionExA(&version);
    std::printf("version %lu.%lu\n", version.dwMajorVersion, version.dwMinorVersion);
    int status = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const double ms = TimeToWindow(argv[i], argv[i + 1]);
        if (ms < 0) {
            status = 1;
        } else {
            std::printf("%s ms=%.1f\n", argv[i + 1], ms);
        }
        std::fflush(stdout);
    }
    return status;
}
