// The one place where an ANSI text becomes a wide one: the few calls that
// accept only wide strings get their text from here.
#pragma once

#include <string>

namespace platform {
namespace win32 {

// `text` read in the system's ANSI code page. Every byte maps to a
// character, so the result is never cut short.
std::wstring AnsiToWide(const std::string& text);

}  // namespace win32
}  // namespace platform
