// The running Windows in one line of text ("Windows 7 Ultimate 64-bit
// Service Pack 1"), and the 64-bit flag the registry object's view depends on.
#pragma once

#include <string>

// The description, or "unknown" when the system cannot be identified. Sets the
// 64-bit flag from it (a description containing " 64") when identification
// succeeds; leaves it alone otherwise. Runs once, during start-up.
std::string DescribeWindows();

// The Windows name and the service-pack text; false (both outputs empty) when
// the version cannot be queried or the platform is neither 9x nor NT.
bool IdentifyWindows(std::string* windowsName, std::string* servicePackText);

// Whether the last description named a 64-bit Windows; false before any.
bool IsWin64();

// Forgets the flag, as at process start (tests start from here).
void ResetIsWin64();
