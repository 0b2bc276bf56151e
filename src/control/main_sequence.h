// The spine of the setup program: start-up checks, the setup form, and the
// installation after it.
#pragma once

// Runs the whole setup after the modules have started. Returns the process
// exit code (0 on every ordinary path).
int RunSetup();
