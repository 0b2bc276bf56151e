// What the setup program knows of the installed product from outside: while
// it runs it holds a named file mapping (the "running" marker), and its main
// window has a fixed window class.
#pragma once

constexpr const char* kRunningMarkerName = "norvelik_memfile";
constexpr const char* kMainFormClassName = "TNVMainForm";

// True when the marker exists at the moment of the test. The test creates the
// mapping and closes it again at once, so it never keeps the marker alive; a
// mapping that cannot be created counts as "not running".
bool IsAppRunning();
