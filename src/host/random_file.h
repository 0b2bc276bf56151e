// A new file under a name nobody uses yet, drawn from the process's random
// generator: for files the program makes for a moment in folders that others
// may write to.
#pragma once

#include <string>

// Creates a new, empty file in `folder` (ending with "\") named `prefix`,
// then `letters` random letters from "a" to "z", then `suffix`. It never
// opens a file that exists, so nobody's file is truncated: a name in use is
// passed over for another, at most `attempts` times. Returns the file's
// path, or "" when none could be created.
std::string CreateFileNamedAtRandom(const std::string& folder, const std::string& prefix,
                                    int letters, const std::string& suffix, int attempts);
