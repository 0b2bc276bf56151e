// The checks before the setup form: identity, environment, rights, a running
// copy of the product, and whether an English-mode user reads Russian.
#pragma once

// The installed product holds this named mapping while it runs.
constexpr char kRunningMarkerName[] = "norvelik_memfile";
// The window class of the installed product's main window.
constexpr char kMainFormClassName[] = "TNVMainForm";

// True when the setup may go on to its form. Every way to false has already
// told the user why, or was the user's own answer.
bool StartupChecks();

// True when the product's running marker exists now. The test itself never
// keeps the marker alive.
bool IsAppRunning();
