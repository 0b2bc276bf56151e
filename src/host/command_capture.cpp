#include "host/command_capture.h"

#include "platform/processes.h"
#include "platform/system_info.h"

namespace {

// The interpreter's path must fit a buffer of MAX_PATH characters with its NUL.
constexpr std::size_t kMaxInterpreterPathLength = 259;

}  // namespace

std::string RunAndCapture(const std::string& command) {
    const std::string systemFolder = platform::SystemFolder();
    if (systemFolder.empty()) return "";
    const std::string separator = systemFolder.back() == '\\' ? "" : "\\";
    const std::string interpreter = systemFolder + separator + "cmd.exe";
    if (interpreter.size() > kMaxInterpreterPathLength) return "";

    // It runs in the system folder rather than in ours (a downloads folder,
    // say), the folder Windows would otherwise search for what it loads.
    const platform::HiddenRunResult run = platform::RunHiddenReadingOutput(
        interpreter, "/d /c " + command, systemFolder, kCaptureTimeoutMs);
    if (run.timedOut) return "";
    return OemToAnsiText(CapturedLines(run.output));
}

std::string OemToAnsiText(const std::string& text) {
    if (text.empty()) return text;
    return platform::OemToAnsi(text);
}

std::string CapturedLines(const std::string& bytes) {
    std::string lines;
    std::size_t pos = 0;
    do {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        lines.append(bytes, pos, end - pos);
        lines += "\r\n";
        pos = end;
        // A line ends with CR LF, LF or a lone CR.
        if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    } while (pos < bytes.size());
    return lines;
}
