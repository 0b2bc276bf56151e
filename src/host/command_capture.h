// Runs one command of the system's own command interpreter with a hidden
// window and returns what it printed. Used to read the "ver" banner.
#pragma once

#include <cstdint>
#include <string>

// How long the command interpreter may take before its run counts as failed.
constexpr std::uint32_t kCaptureTimeoutMs = 5000;

// The command's standard output, converted from the OEM to the ANSI code page,
// each line followed by CR LF; an empty output, or an interpreter that does
// not start, gives one CR LF. "" when there is nothing to report: the system
// folder cannot be read, or the interpreter ran out of time (whatever it
// wrote by then is ignored). The interpreter is cmd.exe of the system folder,
// started by its full path and told to skip the commands a user may have
// registered to run at its start (/d); the ComSpec variable is never looked
// at. The output comes through a pipe: no file is made for it.
std::string RunAndCapture(const std::string& command);

// The text converted from the OEM code page to the ANSI one; same length.
std::string OemToAnsiText(const std::string& text);

// The captured bytes as the line reader returns them: every line, without its
// line break, followed by CR LF; at least one line, so "" gives "\r\n".
std::string CapturedLines(const std::string& bytes);
