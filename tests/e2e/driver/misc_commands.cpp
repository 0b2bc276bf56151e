// Scenario plumbing: variables, notes, pauses, the environment, and the
// locale and version checks.
#include <windows.h>

#include "context.h"
#include "text.h"

namespace nv {
namespace {

// set NAME VALUE
void Set(Context& context, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    context.variables[cmd.Arg(0)] = cmd.Arg(1);
}

// echo TEXT...
void Echo(Context&, const Command& cmd) {
    std::string line;
    for (const std::string& arg : cmd.args) line += (line.empty() ? "" : " ") + Cp1251ToUtf8(arg);
    Log(line);
}

// sleep MS: only to let a program settle where no event can be waited for
void Pause(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    Sleep(DWORD(cmd.IntArg(0)));
}

// expect_locale LCID [acp=N]: the run happens in the locale the scenario was written for.
// Without it a scenario for one mode could pass for the wrong reason in the other.
void ExpectLocale(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    LCID lcid = GetUserDefaultLCID();
    UINT acp = GetACP();
    Log("locale lcid=" + std::to_string(lcid) + " acp=" + std::to_string(acp));
    if (lcid != LCID(cmd.IntArg(0))) throw Failure("user locale is " + std::to_string(lcid));
    if (cmd.Has("acp") && acp != UINT(cmd.IntOpt("acp", 0)))
        throw Failure("ANSI code page is " + std::to_string(acp));
}

// expect_version MAJOR.MINOR: the version query (GetVersionExA, no compatibility
// manifest, as the setup has none) reports this version in this prefix.
void ExpectVersion(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) throw Failure("the version query fails");
    const std::string reported =
        std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion);
    Log("version " + reported + " build " + std::to_string(info.dwBuildNumber));
    if (reported != cmd.Arg(0)) throw Failure("the version query reports " + reported);
}

// set_env NAME VALUE: in the driver's environment, which the programs it
// starts inherit, as a program started from the desktop inherits the user's.
void SetEnv(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    if (!SetEnvironmentVariableA(cmd.Arg(0).c_str(), cmd.Arg(1).c_str()))
        throw Failure("cannot set " + cmd.Arg(0) + ", error " + std::to_string(GetLastError()));
}

}  // namespace

void AddMiscCommands(CommandTable& table) {
    table["set"] = {Set, "NAME VALUE"};
    table["echo"] = {Echo, "TEXT..."};
    table["sleep"] = {Pause, "MS"};
    table["expect_locale"] = {ExpectLocale, "LCID [acp=N]"};
    table["expect_version"] = {ExpectVersion, "MAJOR.MINOR"};
    table["set_env"] = {SetEnv, "NAME VALUE"};
}

}  // namespace nv
