// The one place where the platform layer's texts become wide ones and back:
// the calls that take wide strings get their texts from here, in the text code
// page the program chose (platform/text_code_page.h).
#pragma once

#include <string>

namespace platform {
namespace win32 {

// `text` read in the current text code page. In the ANSI code page every
// byte maps to a character, so the result is never cut short; in UTF-8 a
// malformed sequence reads as U+FFFD.
std::wstring TextToWide(const std::string& text);

// `wide` in the current text code page; a character the ANSI code page
// lacks becomes the code page's default character, as the ANSI calls give it.
std::string WideToText(const std::wstring& wide);

}  // namespace win32
}  // namespace platform
