// The installation date as the system's list of installed programs records it.
#pragma once

#include <string>

// Today's local date as YYYYMMDD: the year in decimal, month and day in two
// digits each.
std::string InstallDateText();
