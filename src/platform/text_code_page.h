// The code page of the texts that pass through the platform layer: paths,
// registry values, message texts. A program starts with the system's ANSI
// code page, in which the setup hands its own texts (CP1251 bytes, as the
// sources are compiled) to Windows as they are. The uninstaller takes UTF-8
// instead, so that a path reaches it whole in any language: a folder named
// under another code page than the one the system has now is still found.
#pragma once

#include <string>

namespace platform {

enum class TextCodePage { Ansi, Utf8 };

// For the whole process, before any other call of the platform layer.
void UseTextCodePage(TextCodePage codePage);
TextCodePage CurrentTextCodePage();

// A text of the program's own (CP1251 bytes) in the current text code page.
// With the ANSI code page the text goes as it is.
std::string FromProgramText(const std::string& cp1251);

// The other way: a text of the current code page as CP1251 bytes, a
// character CP1251 lacks becoming "?", never a look-alike ("é" is not "e"), so
// that the result never names another file. With the ANSI code page the text
// goes as it is.
std::string ToProgramText(const std::string& text);

// The same bytes as the system's ANSI code page reads them, in the current
// text code page: how a program that hands its CP1251 texts to Windows as they
// are (the setup) named its files on this system. With the ANSI code page the
// text goes as it is.
std::string FromAnsiText(const std::string& ansi);

}  // namespace platform
