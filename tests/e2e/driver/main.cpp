// nvdriver: runs one end-to-end scenario against the programs of the build.
//
//     nvdriver.exe SCENARIO-FILE [NAME=VALUE...]
//
// Each command is echoed, then what it observed; the first failed expectation
// stops the run. Exit code: 0 all held, 1 an expectation failed, 2 the
// scenario is malformed, 77 the scenario cannot run here (skipped).
#include <windows.h>

#include <fstream>
#include <sstream>

#include "context.h"
#include "text.h"

namespace {

constexpr int kPassed = 0;
constexpr int kFailed = 1;
constexpr int kBadScenario = 2;
constexpr int kSkipped = 77;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw nv::ScriptError("cannot read scenario " + path);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Processes a failed scenario left behind would keep the wineserver of the run alive.
void EndLeftoverProcesses(nv::Context& context) {
    for (auto& entry : context.processes) {
        if (WaitForSingleObject(entry.second.handle, 0) == WAIT_TIMEOUT) {
            nv::Log("note: " + entry.first + " still running, terminated");
            TerminateProcess(entry.second.handle, 1);
            WaitForSingleObject(entry.second.handle, 5000);
        }
        CloseHandle(entry.second.handle);
    }
    context.processes.clear();
}

int Run(int argc, char** argv) {
    if (argc < 2) {
        nv::Log("usage: nvdriver SCENARIO-FILE [NAME=VALUE...] | --help");
        return kBadScenario;
    }
    nv::CommandTable table;
    nv::AddProcessCommands(table);
    nv::AddWindowCommands(table);
    nv::AddRegistryCommands(table);
    nv::AddFileCommands(table);
    nv::AddShortcutCommands(table);
    nv::AddMiscCommands(table);
    nv::AddScreenCommands(table);
    nv::AddRightsCommands(table);
    nv::AddSnapshotCommands(table);

    if (std::string(argv[1]) == "--help") {
        for (const auto& entry : table) nv::Log(entry.first + " " + entry.second.usage);
        return kPassed;
    }

    nv::Context context;
    for (int i = 2; i < argc; ++i) {
        std::string assignment = argv[i];
        size_t eq = assignment.find('=');
        if (eq == std::string::npos || eq == 0) {
            nv::Log("not a NAME=VALUE argument: " + assignment);
            return kBadScenario;
        }
        context.variables[assignment.substr(0, eq)] = assignment.substr(eq + 1);
    }

    std::string scenario = argv[1];
    std::vector<nv::ScriptLine> lines;
    try {
        lines = nv::SplitLines(ReadFile(scenario));
        for (nv::ScriptLine& line : lines) {
            line.utf8 = line.text;
            line.inCp1251 = nv::Utf8ToCp1251Exactly(line.utf8, &line.text);
        }
    } catch (const std::exception& e) {
        nv::Log(std::string("BAD SCENARIO: ") + e.what());
        return kBadScenario;
    }

    int verdict = kPassed;
    for (const nv::ScriptLine& line : lines) {
        std::string where = scenario + ":" + std::to_string(line.number);
        try {
            nv::Log("> " + line.utf8.substr(line.utf8.find_first_not_of(" \t")));
            nv::Command command = nv::ParseCommand(
                line.text, [&](const std::string& name) { return context.Variable(name); });
            command.unicodeArgs = nv::ParseCommand(line.utf8, [&](const std::string& name) {
                                      return nv::Cp1251ToUtf8(context.Variable(name));
                                  }).args;
            // Only a command that reads the line as written may see what CP1251 lacks.
            if (!line.inCp1251 && command.options.count("unicode") == 0)
                throw nv::ScriptError("characters CP1251 lacks need unicode=yes");
            auto it = table.find(command.name);
            if (it == table.end()) throw nv::ScriptError("unknown command " + command.name);
            it->second.run(context, command);
            command.RejectUnusedOptions();
        } catch (const nv::Failure& e) {
            nv::Log("FAIL " + where + ": " + e.what());
            verdict = kFailed;
        } catch (const nv::Skipped& e) {
            nv::Log("SKIP " + where + ": " + e.what());
            verdict = kSkipped;
        } catch (const std::exception& e) {
            nv::Log("BAD SCENARIO " + where + ": " + e.what());
            verdict = kBadScenario;
        }
        if (verdict != kPassed) break;
    }
    EndLeftoverProcesses(context);
    if (verdict == kPassed) nv::Log("PASS");
    return verdict;
}

}  // namespace

int main(int argc, char** argv) {
    // A crash of the driver must end the run, not wait on an error dialog.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    return Run(argc, argv);
}
