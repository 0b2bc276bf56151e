#include "child_modes.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "check.h"
#include "platform/process_entry.h"

namespace {

// Generous: the child does nothing slow, and the bound only keeps a broken
// child from hanging the whole run.
constexpr DWORD kChildEndMs = 60000;

int LoadDll(const char* name) {
    HMODULE module = ::LoadLibraryA(name);
    if (module == nullptr) return 0;
    ::FreeLibrary(module);
    return 1;
}

bool WriteOut(const std::string& text) {
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    return ::GetFileType(out) == FILE_TYPE_PIPE &&
           ::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

int Print(unsigned long count) {
    std::string text(count, ' ');
    for (unsigned long i = 0; i < count; ++i) text[i] = static_cast<char>('a' + i % 26);
    return WriteOut(text) ? 0 : 4;
}

int PrintWhereabouts() {
    char program[MAX_PATH + 1] = {};
    char folder[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    return WriteOut(std::string(program) + "\n" + folder + "\n") ? 0 : 4;
}

}  // namespace

int RunChildMode(int argc, char** argv) {
    const std::string mode = argv[1];
    if (argc < 3) return 2;
    if (mode == "--hold-marker") {
        if (::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 64, argv[2]) ==
            nullptr) {
            return 3;
        }
        ::Sleep(INFINITE);
    }
    if (mode == "--load-dll") return LoadDll(argv[2]);
    if (mode == "--print") return Print(std::strtoul(argv[2], nullptr, 10));
    if (mode == "--print-whereabouts") return PrintWhereabouts();
    if (mode == "--restrict-then-load-dll") {
        platform::RestrictDllSearchPath();
        return LoadDll(argv[2]);
    }
    return 2;
}

int RunSelf(const std::string& arguments) {
    char self[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string text = std::string("\"") + self + "\" " + arguments;
    std::vector<char> line(text.begin(), text.end());
    line.push_back('\0');
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return -1;
    }
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(process.hProcess, kChildEndMs) == WAIT_OBJECT_0) {
        ::GetExitCodeProcess(process.hProcess, &code);
    } else {
        ::TerminateProcess(process.hProcess, 1);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
