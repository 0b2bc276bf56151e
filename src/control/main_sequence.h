// The spine of the setup program: start-up checks, the setup form, and the
// installation after it.
#pragma once

// Runs the whole setup in the frame both programs share (host/program_entry.h).
// Returns the process exit code: 0 on every path.
int RunSetup();
