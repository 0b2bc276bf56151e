// The one place where the platform layer's texts become wide ones and back:
// the calls that take wide strings get their texts from here, in the text code
// page the program chose (platform/text_code_page.h).
//
// A wide text from the system (a registry value, a file name, a path) either
// converts character for character or not at all: a character the ANSI code
// page lacks never becomes a look-alike ("René" is not "Rene", a folder of
// another user), nor the code page's "?" standing in for a name.
#pragma once

#include <string>

namespace platform {
namespace win32 {

// `text` read in the current text code page. In a single-byte ANSI code page
// every byte maps to a character of its own, so the result is never cut
// short and two texts never read alike; in UTF-8 a malformed sequence reads as
// U+FFFD (the program's UTF-8 texts come from wide ones or from its own).
std::wstring TextToWide(const std::string& text);

// `wide` in the current text code page, character for character. False, with
// *text unchanged, when a character has no form there: one the ANSI code page
// lacks, or in UTF-8 a surrogate without its pair.
bool WideToTextExactly(const std::wstring& wide, std::string* text);

// The same for a caller to whom such a text is absent: "" then.
std::string WideToText(const std::wstring& wide);

// For a text only shown or checked, never used to find a name by: a character
// the code page lacks becomes "?", which no file or folder name can hold.
std::string WideToTextMarkingMissing(const std::wstring& wide);

}  // namespace win32
}  // namespace platform
