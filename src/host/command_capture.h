// Runs one command through the command interpreter with a hidden window and
// returns what it printed. Used to read the "ver" banner.
#pragma once

#include <cstdint>
#include <string>

// How long the command interpreter may take before its run counts as failed.
constexpr std::uint32_t kCaptureTimeoutMs = 5000;

// The command's standard output, converted from the OEM to the ANSI code page,
// each line followed by CR LF; an empty output gives one CR LF. "" when there
// is nothing to report: no usable ComSpec, no capture file could be made, or
// the interpreter ran out of time (whatever it wrote by then is ignored).
// The capture file is a new file in the Temp folder and is deleted afterwards.
std::string RunAndCapture(const std::string& command);

// The text converted from the OEM code page to the ANSI one; same length.
std::string OemToAnsiText(const std::string& text);

// The captured bytes as the line reader returns them: every line, without its
// line break, followed by CR LF; at least one line, so "" gives "\r\n".
std::string CapturedLines(const std::string& bytes);
