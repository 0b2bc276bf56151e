// Scenario plumbing: variables, notes, pauses and the locale check.
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

}  // namespace

void AddMiscCommands(CommandTable& table) {
    table["set"] = {Set, "NAME VALUE"};
    table["echo"] = {Echo, "TEXT..."};
    table["sleep"] = {Pause, "MS"};
    table["expect_locale"] = {ExpectLocale, "LCID [acp=N]"};
}

}  // namespace nv
