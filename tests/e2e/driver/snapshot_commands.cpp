// "Leaves the machine as it was": a snapshot of the files and the registry,
// and the comparison of the machine with it later.
#include <windows.h>

#include <vector>

#include "context.h"
#include "snapshot.h"
#include "text.h"

namespace nv {
namespace {

// What Wine itself changes in a prefix while programs run, whatever they do.
// Wine keeps the system parameters a program's first window set up in a
// volatile key of the user's, created on the first start of a GUI program.
const wchar_t* const kWineNoise[] = {
    L"* HKCU\\Software\\Wine\\Temporary System Parameters\\*",
};

// The snapshot files lie in the driver's working folder, the run's folder
// outside the Windows drive, so they are no part of what they picture.
std::string SnapshotPath(const std::string& name, const char* suffix) {
    for (char c : name)
        if (!(isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'))
            throw ScriptError("a snapshot name is made of letters, digits, _ and -");
    return "snapshot-" + name + suffix + ".txt";
}

std::vector<std::wstring> SplitPatterns(const std::string& list) {
    std::vector<std::wstring> patterns;
    size_t start = 0;
    while (start <= list.size() && !list.empty()) {
        size_t bar = list.find('|', start);
        if (bar == std::string::npos) bar = list.size();
        if (bar > start) patterns.push_back(Cp1251ToWide(list.substr(start, bar - start)));
        start = bar + 1;
    }
    return patterns;
}

// A pattern with " = " in it also names the details the entry must hold.
bool Matches(const std::wstring& pattern, const Difference& d) {
    return WildcardMatch(
        pattern, pattern.find(L" = ") == std::wstring::npos ? d.Name() : d.NameAndDetails());
}

bool MatchesAny(const std::vector<std::wstring>& patterns, const Difference& d) {
    for (const std::wstring& pattern : patterns)
        if (Matches(pattern, d)) return true;
    return false;
}

std::string Describe(const Difference& d) {
    std::string line = Printable(d.Name());
    if (d.kind == L"added" && !d.after.empty()) line += " = " + Printable(d.after);
    if (d.kind == L"removed" && !d.before.empty()) line += " = " + Printable(d.before);
    if (d.kind == L"changed") line += ": " + Printable(d.before) + " -> " + Printable(d.after);
    return line;
}

// snapshot NAME
void TakeNamedSnapshot(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    SnapshotTimes times;
    Snapshot snapshot = TakeSnapshot(&times);
    SaveSnapshot(snapshot, SnapshotPath(cmd.Arg(0), ""));
    Log(std::to_string(snapshot.size()) + " entries (files " + std::to_string(times.filesMs) +
        " ms, registry " + std::to_string(times.registryMs) + " ms)");
}

// expect_same_as_snapshot NAME [DIFFERENCE...] [ignore=PATTERN|PATTERN...]
// Each DIFFERENCE ("added file C:\x", wildcards allowed; with " = DETAILS"
// the details must match too) must be seen; every other difference fails
// unless an ignore pattern or Wine's own noise covers it.
void ExpectSameAsSnapshot(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, size_t(-1));
    Snapshot before = LoadSnapshot(SnapshotPath(cmd.Arg(0), ""));
    // Both sides read back from their files, so that the conversion to the
    // saved form cannot show up as a difference.
    SaveSnapshot(TakeSnapshot(), SnapshotPath(cmd.Arg(0), ".after"));
    Snapshot after = LoadSnapshot(SnapshotPath(cmd.Arg(0), ".after"));
    std::vector<std::wstring> ignored = SplitPatterns(cmd.Opt("ignore"));
    std::vector<std::wstring> noise(std::begin(kWineNoise), std::end(kWineNoise));
    std::vector<std::wstring> expected;
    for (size_t i = 1; i < cmd.ArgCount(); ++i) expected.push_back(Cp1251ToWide(cmd.Arg(i)));
    std::vector<bool> seen(expected.size(), false);

    int unexpected = 0;
    for (const Difference& d : Compare(before, after)) {
        std::string verdict = "UNEXPECTED";
        for (size_t i = 0; i < expected.size(); ++i) {
            if (Matches(expected[i], d)) {
                seen[i] = true;
                verdict = "expected";
            }
        }
        if (verdict != "expected") {
            if (MatchesAny(ignored, d))
                verdict = "ignored";
            else if (MatchesAny(noise, d))
                verdict = "wine noise";
            else
                ++unexpected;
        }
        Log("  " + verdict + ": " + Describe(d));
    }
    std::string missing;
    for (size_t i = 0; i < expected.size(); ++i)
        if (!seen[i]) missing += (missing.empty() ? "" : ", ") + Quoted(cmd.Arg(i + 1));
    if (unexpected > 0)
        throw Failure(std::to_string(unexpected) + " unexpected difference(s) from snapshot " +
                      cmd.Arg(0));
    if (!missing.empty()) throw Failure("expected difference(s) not seen: " + missing);
}

}  // namespace

void AddSnapshotCommands(CommandTable& table) {
    table["snapshot"] = {TakeNamedSnapshot, "NAME"};
    table["expect_same_as_snapshot"] = {ExpectSameAsSnapshot,
                                        "NAME [DIFFERENCE...] [ignore=PATTERN|PATTERN...]"};
}

}  // namespace nv
