#include "lang/lang_unit.h"

#include <vector>

#include "host/message_boxes.h"
#include "platform/files.h"

namespace {

// Lines end with LF, a CR before it belonging to the break. A break at the
// very end starts no further line, so the last line read is the last one
// holding text, as a text-file reader sees it.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

// Blanks and control characters off both ends, A to Z lowered.
std::string TrimmedLower(const std::string& line) {
    std::size_t first = 0;
    std::size_t last = line.size();
    while (first < last && static_cast<unsigned char>(line[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(line[last - 1]) <= ' ') --last;
    std::string result = line.substr(first, last - first);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

bool IsVersionHeader(const std::string& line) {
    // Only a "[" in the very first column opens a section.
    if (line.empty() || line[0] != '[') return false;
    return TrimmedLower(line).compare(1, 8, "langver]") == 0;
}

// The line after the version header, or the file's last line when there is
// no such header ("" for an empty file or a header on the last line).
std::string StampLine(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsVersionHeader(lines[i])) return i + 1 < lines.size() ? lines[i + 1] : std::string();
    }
    return lines.empty() ? std::string() : lines.back();
}

void ReportUnreadable(const std::string& path) {
    ErrorBox("Can't handle the language support file " + path,
             "Не удаётся работать с файлом языковой поддержки " + path);
}

}  // namespace

bool ParseStampLine(const std::string& line, std::int32_t* value) {
    std::size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    if (i == line.size()) return false;
    // The magnitude may reach 2^31 only for a negative number.
    std::int64_t magnitude = 0;
    for (; i < line.size(); ++i) {
        char c = line[i];
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483648LL) return false;
    }
    if (!negative && magnitude > 2147483647LL) return false;
    *value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

std::int32_t ReadLanguageFileVersion(const std::string& path) {
    if (!platform::FileExists(path)) return 0;
    std::string text;
    if (platform::ReadWholeFile(path, &text) != platform::kSuccess) {
        ReportUnreadable(path);
        return 0;
    }
    return LanguageFileVersionOf(text, path);
}

std::int32_t LanguageFileVersionOf(const std::string& text, const std::string& path) {
    std::int32_t stamp = 0;
    if (!ParseStampLine(StampLine(SplitLines(text)), &stamp)) {
        ReportUnreadable(path);
        return 0;
    }
    return stamp;
}
