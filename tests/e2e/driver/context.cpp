#include "context.h"

#include <vector>

namespace nv {

std::string Context::Variable(const std::string& name) const {
    auto it = variables.find(name);
    if (it != variables.end()) return it->second;
    DWORD n = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (n == 0) throw ScriptError("unknown variable ${" + name + "}");
    std::vector<char> buffer(n);
    GetEnvironmentVariableA(name.c_str(), buffer.data(), n);
    return std::string(buffer.data());
}

const StartedProcess& Context::Process(const std::string& name) const {
    auto it = processes.find(name);
    if (it == processes.end()) throw ScriptError("no process started as " + name);
    return it->second;
}

HWND Context::Window(const std::string& name) const {
    auto it = windows.find(name);
    if (it == windows.end()) throw ScriptError("no window found as " + name);
    return it->second;
}

void Log(const std::string& utf8) {
    std::string line = utf8 + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), DWORD(line.size()), &written, nullptr);
}

}  // namespace nv
