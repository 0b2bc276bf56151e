// Starting the programs under test and checking how they end.
#include <windows.h>

#include <tlhelp32.h>

#include "context.h"
#include "snapshot.h"
#include "text.h"
#include "window_query.h"

namespace nv {
namespace {

// Quotes an argument the way the C run-time of the started program splits it.
std::string QuoteArgument(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
    std::string out = "\"";
    size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, '\\');
    return out + "\"";
}

// Forgets an earlier process of that name; it must have ended.
void ReleaseName(Context& context, const std::string& name) {
    auto existing = context.processes.find(name);
    if (existing == context.processes.end()) return;
    if (WaitForSingleObject(existing->second.handle, 0) == WAIT_TIMEOUT)
        throw ScriptError(name + " is still running");
    CloseHandle(existing->second.handle);
    context.processes.erase(existing);
}

void Launch(Context& context, const std::string& name, const std::string& commandLine,
            const std::string& folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string mutableLine = commandLine;
    if (!CreateProcessA(nullptr, &mutableLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        throw Failure("cannot start " + Quoted(commandLine) + ", error " +
                      std::to_string(GetLastError()));
    CloseHandle(info.hThread);
    context.processes[name] = StartedProcess{info.hProcess, info.dwProcessId, commandLine};
    Log("started " + name + " pid=" + std::to_string(info.dwProcessId));
}

// start NAME PROGRAM [ARG...] [dir=FOLDER]: in the background; dir defaults to PROGRAM's folder
void Start(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, size_t(-1));
    ReleaseName(context, cmd.Arg(0));
    std::string commandLine = QuoteArgument(cmd.Arg(1));
    for (size_t i = 2; i < cmd.ArgCount(); ++i) commandLine += " " + QuoteArgument(cmd.Arg(i));
    // Like a program started from Explorer, it runs in its own folder unless told otherwise.
    std::string folder = cmd.Opt("dir");
    size_t slash = cmd.Arg(1).find_last_of("\\/");
    if (folder.empty() && slash != std::string::npos) folder = cmd.Arg(1).substr(0, slash + 1);
    Launch(context, cmd.Arg(0), commandLine, folder);
}

// start_command NAME COMMAND-LINE [dir=FOLDER]: the command line handed to
// CreateProcess as it is, the way the system runs a registered command
// (an UninstallString); without dir the driver's working folder applies.
void StartCommand(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    ReleaseName(context, cmd.Arg(0));
    Launch(context, cmd.Arg(0), cmd.Arg(1), cmd.Opt("dir"));
}

WindowQuery ForbiddenWindows(const Command& cmd, DWORD processId) {
    WindowQuery query;
    query.processId = processId;
    std::string forbidden = cmd.Opt("no_window");
    if (forbidden != "*") {
        query.className = forbidden;
        query.byClass = true;
    }
    return query;
}

// expect_exit NAME CODE [timeout=MS] [no_window=CLASS|*]
// With no_window, a window of that class (any, for *) shown by the process
// while it runs fails at once: a message box would otherwise just wait out the timeout.
void ExpectExit(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    const StartedProcess& process = context.Process(cmd.Arg(0));
    long long expected = cmd.IntArg(1);
    long long timeout = cmd.IntOpt("timeout", kDefaultTimeoutMs);
    bool watch = cmd.Has("no_window");
    WindowQuery forbidden = watch ? ForbiddenWindows(cmd, process.id) : WindowQuery();

    for (long long waited = 0;; waited += kPollMs) {
        if (WaitForSingleObject(process.handle, kPollMs) == WAIT_OBJECT_0) break;
        if (watch) {
            std::vector<HWND> shown = FindTopLevelWindows(forbidden);
            if (!shown.empty())
                throw Failure(cmd.Arg(0) + " showed a window: " + Describe(shown.front()));
        }
        if (waited >= timeout) {
            LogVisibleWindows();
            throw Failure(cmd.Arg(0) + " still running after " + std::to_string(timeout) + " ms");
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(process.handle, &code);
    Log("exit " + cmd.Arg(0) + " " + std::to_string(long(code)));
    if (long(code) != expected)
        throw Failure(cmd.Arg(0) + " exited with " + std::to_string(long(code)) + ", expected " +
                      std::to_string(expected));
}

// expect_running NAME
void ExpectRunning(Context& context, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    const StartedProcess& process = context.Process(cmd.Arg(0));
    if (WaitForSingleObject(process.handle, 0) != WAIT_TIMEOUT) {
        DWORD code = 0;
        GetExitCodeProcess(process.handle, &code);
        throw Failure(cmd.Arg(0) + " has ended with " + std::to_string(long(code)));
    }
    Log(cmd.Arg(0) + " is running");
}

// kill NAME: ends a process the scenario no longer needs.
void Kill(Context& context, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    const StartedProcess& process = context.Process(cmd.Arg(0));
    if (WaitForSingleObject(process.handle, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.handle, 1);
        WaitForSingleObject(process.handle, 5000);
    }
}

// require PATH: the scenario is skipped when a program it needs is not built.
void Require(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    if (GetFileAttributesA(cmd.Arg(0).c_str()) == INVALID_FILE_ATTRIBUTES)
        throw Skipped(Quoted(cmd.Arg(0)) + " is not there");
}

// The ids of the running processes whose program file name matches the pattern.
std::vector<DWORD> ProcessesNamed(const std::wstring& pattern) {
    std::vector<DWORD> ids;
    HANDLE list = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (list == INVALID_HANDLE_VALUE)
        throw Failure("cannot list the processes, error " + std::to_string(GetLastError()));
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(list, &entry); more; more = Process32NextW(list, &entry))
        if (WildcardMatch(pattern, entry.szExeFile)) ids.push_back(entry.th32ProcessID);
    CloseHandle(list);
    return ids;
}

// wait_process_gone PATTERN [timeout=MS]: no process of a program file named
// like PATTERN (* and ?) runs any more, e.g. a copy a program started itself.
void WaitProcessGone(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    long long timeout = cmd.IntOpt("timeout", kDefaultTimeoutMs);
    std::wstring pattern = Cp1251ToWide(cmd.Arg(0));
    std::vector<DWORD> first = ProcessesNamed(pattern);
    for (DWORD id : first) Log("waiting for pid=" + std::to_string(id));
    for (long long waited = 0;; waited += kPollMs) {
        if (ProcessesNamed(pattern).empty()) return;
        if (waited >= timeout)
            throw Failure(Quoted(cmd.Arg(0)) + " still running after " + std::to_string(timeout) +
                          " ms");
        Sleep(kPollMs);
    }
}

}  // namespace

void AddProcessCommands(CommandTable& table) {
    table["start"] = {Start, "NAME PROGRAM [ARG...] [dir=FOLDER]"};
    table["start_command"] = {StartCommand, "NAME COMMAND-LINE [dir=FOLDER]"};
    table["expect_exit"] = {ExpectExit, "NAME CODE [timeout=MS] [no_window=CLASS|*]"};
    table["expect_running"] = {ExpectRunning, "NAME"};
    table["kill"] = {Kill, "NAME"};
    table["require"] = {Require, "PATH"};
    table["wait_process_gone"] = {WaitProcessGone, "PATTERN [timeout=MS]"};
}

}  // namespace nv
