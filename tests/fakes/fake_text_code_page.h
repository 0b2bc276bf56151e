// The fake system's texts: its ANSI code page is 1251, and a text the system
// keeps as Unicode (a registry value written by another program) is handed
// to the program in its text code page character for character or not at
// all, as the Win32 side does: no look-alike, no "?" standing for a name.
#pragma once

#include <string>

namespace fake {

// `utf8` in the current text code page. False, with *text unchanged, when
// the code page is the ANSI one and CP1251 lacks one of its characters.
bool FromUnicodeExactly(const std::string& utf8, std::string* text);

// A CP1251 text (a literal of the tests) as the UTF-8 of its characters, for
// values a test writes wide.
std::string UnicodeOf(const std::string& cp1251);

}  // namespace fake
