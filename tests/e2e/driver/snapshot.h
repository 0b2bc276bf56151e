// A picture of the machine a program may change: every file and folder under
// C:\ (size, and a content hash for files small enough to read quickly) and
// the registry keys and values the programs under test can touch. Two pictures
// compared give the added, removed and changed entries.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace nv {

// Subject ("file C:\x", "folder C:\x", "key HKLM\x", "value HKLM\x\NAME",
// the default value as "@") to its details (size and hash, type and data).
using Snapshot = std::map<std::wstring, std::wstring>;

struct SnapshotTimes {
    unsigned long filesMs = 0, registryMs = 0;
};

Snapshot TakeSnapshot(SnapshotTimes* times = nullptr);

// One entry a line, UTF-8, so that a kept run folder can be read and diffed.
void SaveSnapshot(const Snapshot& snapshot, const std::string& path);
Snapshot LoadSnapshot(const std::string& path);

struct Difference {
    std::wstring kind;  // added, removed, changed
    std::wstring subject;
    std::wstring before, after;

    // "kind subject", the form ignore patterns and expected differences match.
    std::wstring Name() const { return kind + L" " + subject; }
    // "kind subject = details" (the details after the change, or before a
    // removal), for a pattern that also says what an entry must hold.
    std::wstring NameAndDetails() const;
};

// UTF-8 with % and control characters (the zeros of a multi_sz) as %XX.
std::string Printable(const std::wstring& text);

std::vector<Difference> Compare(const Snapshot& before, const Snapshot& after);

// Case-insensitive; * matches any run of characters (backslashes too), ? one.
bool WildcardMatch(const std::wstring& pattern, const std::wstring& text);

}  // namespace nv
