// The checks before the setup form: the environment, rights, a running
// copy of the product, and whether an English-mode user reads Russian.
#pragma once

// True when the setup may go on to its form. Every way to false has already
// told the user why, or was the user's own answer.
bool StartupChecks();
