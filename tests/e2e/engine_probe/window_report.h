// Drives the progress window through the progress operations and prints what
// the system reports about it, one "key=value" line per fact, for the Wine
// check to compare with the window's design.
#pragma once

// True when the window came up.
bool ReportProgressWindow();
