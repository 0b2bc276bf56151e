// What a scenario run keeps between its commands, and the command table.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "script.h"

namespace nv {

struct StartedProcess {
    HANDLE handle = nullptr;
    DWORD id = 0;
    std::string commandLine;
};

struct Context {
    std::map<std::string, std::string> variables;
    std::map<std::string, StartedProcess> processes;
    std::map<std::string, HWND> windows;

    // A scenario variable, else an environment variable; ScriptError when neither exists.
    std::string Variable(const std::string& name) const;
    const StartedProcess& Process(const std::string& name) const;
    HWND Window(const std::string& name) const;
};

// One line on stdout (UTF-8), flushed at once so that a hang still leaves the log behind.
void Log(const std::string& utf8);

using Handler = void (*)(Context&, const Command&);

struct CommandInfo {
    Handler run;
    const char* usage;
};

using CommandTable = std::map<std::string, CommandInfo>;

void AddProcessCommands(CommandTable& table);
void AddWindowCommands(CommandTable& table);
void AddRegistryCommands(CommandTable& table);
void AddFileCommands(CommandTable& table);
void AddShortcutCommands(CommandTable& table);
void AddMiscCommands(CommandTable& table);
void AddScreenCommands(CommandTable& table);
void AddSnapshotCommands(CommandTable& table);
void AddRightsCommands(CommandTable& table);

// How long a wait may last unless the scenario says otherwise: long enough for
// a loaded machine, since a wait ends as soon as its condition holds.
constexpr long long kDefaultTimeoutMs = 30000;
// Poll interval of every wait.
constexpr DWORD kPollMs = 50;

}  // namespace nv
