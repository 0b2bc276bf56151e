// A running program cannot delete its own file, so the uninstaller started by
// the user hands the work to a copy of itself in the temporary folder.
#pragma once

#include <string>

// Copies our executable into the temporary folder under a name no file there
// has yet, and starts the copy with the order to clear `programFolder` once
// this process has ended. True when the copy runs; false leaves nothing
// behind.
bool HandOverToTemporaryCopy(const std::string& programFolder);
