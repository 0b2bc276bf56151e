#include "host/command_capture.h"

#include "host/random_file.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/system_info.h"

namespace {

// The interpreter's path must fit a buffer of MAX_PATH characters with its NUL.
constexpr std::size_t kMaxComSpecLength = 259;
constexpr int kCaptureNameLength = 8;
// Name clashes are rare; give up rather than loop when the folder refuses.
constexpr int kCaptureNameAttempts = 32;

std::string TempFolder() {
    std::string folder;
    if (!platform::GetEnvironmentValue("Temp", &folder)) return "";
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

// A new, empty capture file in the temporary folder; "" when none could be made.
std::string CreateCaptureFile() {
    return CreateFileNamedAtRandom(TempFolder(), "", kCaptureNameLength, "", kCaptureNameAttempts);
}

}  // namespace

std::string RunAndCapture(const std::string& command) {
    std::string comSpec;
    if (!platform::GetEnvironmentValue("ComSpec", &comSpec)) return "";
    if (comSpec.empty() || comSpec.size() > kMaxComSpecLength) return "";

    const std::string captureFile = CreateCaptureFile();
    if (captureFile.empty()) return "";

    const std::string commandLine = comSpec + " /c " + command + " > \"" + captureFile + "\"";
    const platform::HiddenRunResult run = platform::RunHidden(commandLine, kCaptureTimeoutMs);

    std::string result;
    if (!run.timedOut) {
        std::string bytes;
        if (platform::ReadWholeFile(captureFile, &bytes) != platform::kSuccess) bytes.clear();
        result = CapturedLines(bytes);
    }
    platform::DeleteFileAt(captureFile);
    return OemToAnsiText(result);
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
