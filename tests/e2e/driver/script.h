// The scenario language of the driver: one command per line,
//
//     name positional... key=value...
//
// Tokens are separated by blanks. 'single quotes' keep their content as it is
// (handy for Windows paths); "double quotes" understand \r \n \t \" \\ \$ and
// \xNN; ${NAME} expands a variable (set by the scenario, or else taken from
// the environment) outside single quotes. A token that starts with
// lowercase_word= is an option. # starts a comment, and a line that ends in a
// backslash continues on the next one, whose leading blanks are dropped, so
// that "first part"\ + newline + "second part" makes one token.
//
// Scenario files are UTF-8. The driver turns them into CP1251 before reading
// them, so every text it compares is the byte string a CP1251 program holds.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace nv {

// The scenario itself is wrong: unknown command, bad number, missing argument.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An expectation of the scenario does not hold.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The scenario cannot run here (a program it needs is not built).
struct Skipped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct ScriptLine {
    int number = 0;    // of the first physical line
    std::string text;  // CP1251, continuations joined
};

// Splits CP1251 scenario text into logical lines, dropping blank and comment-only ones.
std::vector<ScriptLine> SplitLines(const std::string& text);

class Command {
  public:
    std::string name;
    std::vector<std::string> args;
    std::map<std::string, std::string> options;

    size_t ArgCount() const { return args.size(); }
    void ExpectArgs(size_t min, size_t max) const;
    const std::string& Arg(size_t i) const;
    long long IntArg(size_t i) const;

    bool Has(const std::string& key) const;
    std::string Opt(const std::string& key, const std::string& fallback = "") const;
    long long IntOpt(const std::string& key, long long fallback) const;
    // A typo in an option name must not silently weaken a check.
    void RejectUnusedOptions() const;

  private:
    mutable std::set<std::string> used_;
};

using VariableLookup = std::function<std::string(const std::string& name)>;

// Throws ScriptError on a syntax error or an unknown variable. An empty line
// gives a command with an empty name.
Command ParseCommand(const std::string& line, const VariableLookup& lookup);

// Decimal, 0x hexadecimal or negative; the whole text must be the number.
long long ParseInteger(const std::string& text);

}  // namespace nv
