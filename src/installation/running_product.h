// The installed product as a running process: the marker it holds while it
// runs and its main window. Both programs ask it to quit the same way.
#pragma once

// The installed product holds this named mapping while it runs.
constexpr char kRunningMarkerName[] = "norvelik_memfile";
// The window class of the installed product's main window.
constexpr char kMainFormClassName[] = "TNVMainForm";

// True when the product's running marker exists now. The test itself never
// keeps the marker alive.
bool IsAppRunning();

// Posts WM_QUIT to the product's main window when there is one; does not
// wait for the product to go.
void AskProductToQuit();
