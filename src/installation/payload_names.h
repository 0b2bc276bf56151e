// How an entry of the file list names its payload item: the file name without
// folder and extension is the item's name, the extension its type. The lookup
// ignores letter case, so "nvq10.cok" finds the item NVQ10 of type COK.
#pragma once

#include <string>

// The part after the last backslash or colon.
std::string FileNameOf(const std::string& entry);

// The file name up to its last dot (all of it when it has no dot).
std::string ResourceNameOf(const std::string& entry);

// The file name's extension without the dot, spelt as in the entry; empty
// when the file name has no dot.
std::string ResourceTypeOf(const std::string& entry);
