// The spine of uninstall.exe: started by the user it asks and hands over to a
// copy of itself; started as that copy it removes the product and reports.
#pragma once

#include <string>

// Runs the uninstaller with its command line (without the program name) in
// the frame both programs share (host/program_entry.h). Returns the process
// exit code: 0 on every path.
int RunUninstall(const std::string& commandLine);
