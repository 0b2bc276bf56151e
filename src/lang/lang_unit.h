// The language support files of the product (".lng"), as far as the setup
// program reads them: their version stamp, the line after the section header
// "[langver]".
#pragma once

#include <cstdint>
#include <string>

// The stamp of the language file at `path`; 0 without a message when no file
// is there. A file that cannot be read, or whose stamp line is not a number,
// is reported to the user and gives 0. Without a version section the file's
// last line is taken as the stamp.
std::int32_t ReadLanguageFileVersion(const std::string& path);

// The stamp of a language file whose contents are `text`, as the reader
// above takes it from a file; a stamp line that is not a number is reported
// as the file at `path`, and gives 0.
std::int32_t LanguageFileVersionOf(const std::string& text, const std::string& path);

// Strict conversion of a stamp line: leading blanks, an optional sign and
// decimal digits, nothing after them, within the signed 32-bit range.
bool ParseStampLine(const std::string& line, std::int32_t* value);
