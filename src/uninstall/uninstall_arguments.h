// The command line between the uninstaller and the copy of itself that does
// the work from the temporary folder: which folder to clear, and which
// process to wait for first.
#pragma once

#include <cstdint>
#include <string>

struct RemovalOrder {
    std::string programFolder;  // ends with "\"
    std::uint32_t waitForProcess = 0;
};

// The arguments for the copy: /remove-from "<folder>" /after <process id>.
// The folder goes without its trailing backslash, which would otherwise
// escape the closing quotation mark for the usual command-line parsers.
std::string FormatRemovalOrder(const RemovalOrder& order);

// False for a command line without a complete order (the user started us).
bool ParseRemovalOrder(const std::string& commandLine, RemovalOrder* order);
