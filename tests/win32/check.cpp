#include "check.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/shell.h"

namespace check {

namespace {

struct Entry {
    std::string name;
    CheckFunction function;
};

std::vector<Entry>& Registry() {
    static std::vector<Entry> entries;
    return entries;
}

int g_failures = 0;
std::string g_scratch;

std::string TempFolder() {
    char buffer[MAX_PATH + 1] = {};
    DWORD length = ::GetTempPathA(sizeof(buffer), buffer);
    return std::string(buffer, length);
}

}  // namespace

Registrar::Registrar(const char* group, const char* name, CheckFunction function) {
    Registry().push_back({std::string(group) + "." + name, function});
}

void Fail(const char* file, int line, const std::string& what) {
    ++g_failures;
    std::printf("    %s(%d): failed: %s\n", file, line, what.c_str());
}

const std::string& Scratch() { return g_scratch; }

std::string ProgramFolder() {
    char buffer[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, length);
    return path.substr(0, path.rfind('\\') + 1);
}

int RunAll(const std::string& filter) {
    int failedChecks = 0;
    int ran = 0;
    const std::string base =
        TempFolder() + "nv_platform_checks_" + std::to_string(::GetCurrentProcessId()) + "\\";
    ::CreateDirectoryA(base.c_str(), nullptr);
    for (const Entry& entry : Registry()) {
        if (!filter.empty() && entry.name.find(filter) == std::string::npos) continue;
        ++ran;
        g_scratch = base + std::to_string(ran) + "\\";
        ::CreateDirectoryA(g_scratch.c_str(), nullptr);
        ::SetCurrentDirectoryA(g_scratch.c_str());
        std::printf("[ RUN  ] %s\n", entry.name.c_str());
        std::fflush(stdout);
        const int before = g_failures;
        entry.function();
        const bool passed = g_failures == before;
        if (!passed) ++failedChecks;
        std::printf("[ %s ] %s\n", passed ? " OK " : "FAIL", entry.name.c_str());
        std::fflush(stdout);
    }
    ::SetCurrentDirectoryA(TempFolder().c_str());
    platform::ShellDeleteTree(base.substr(0, base.size() - 1));
    std::printf("%d checks, %d failed\n", ran, failedChecks);
    return ran == 0 ? 1 : failedChecks;
}

}  // namespace check
