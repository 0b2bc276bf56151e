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
// Scenario files are UTF-8. The driver turns each line into CP1251 before
// reading it, so every text it compares is the byte string a CP1251 program
// holds. A line may hold characters CP1251 lacks only for a command given
// unicode=yes, which takes its arguments from the line as written.
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
    int number = 0;        // of the first physical line
    std::string text;      // CP1251, continuations joined
    std::string utf8;      // the same line as the file has it
    bool inCp1251 = true;  // false: text reads "?" for the characters CP1251 lacks
};

// Splits scenario text into logical lines, dropping blank and comment-only
// ones; each line's text is in the encoding of `text`.
std::vector<ScriptLine> SplitLines(const std::string& text);

class Command {
  public:
    std::string name;
    std::vector<std::string> args;
    std::map<std::string, std::string> options;
    // The arguments as UTF-8, for a command that writes Unicode text.
    std::vector<std::string> unicodeArgs;

    size_t ArgCount() const { return args.size(); }
    void ExpectArgs(size_t min, size_t max) const;
    const std::string& Arg(size_t i) const;
    const std::string& UnicodeArg(size_t i) const;
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
