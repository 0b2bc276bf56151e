#include "script.h"

#include <cctype>
#include <cstdlib>

namespace nv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool IsKeyChar(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Tokenizer {
  public:
    Tokenizer(const std::string& line, const VariableLookup& lookup) : s_(line), lookup_(lookup) {}

    Command Parse() {
        Command cmd;
        bool first = true;
        for (;;) {
            while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
            if (pos_ >= s_.size() || s_[pos_] == '#') break;
            std::string key = OptionKey();
            std::string value = Token();
            if (first) {
                if (!key.empty()) throw ScriptError("a line must start with a command name");
                cmd.name = value;
                first = false;
            } else if (!key.empty()) {
                if (cmd.options.count(key)) throw ScriptError("option given twice: " + key);
                cmd.options[key] = value;
            } else {
                cmd.args.push_back(value);
            }
        }
        return cmd;
    }

  private:
    // "word=" at the start of a token, consumed when present.
    std::string OptionKey() {
        size_t end = pos_;
        while (end < s_.size() && IsKeyChar(s_[end])) ++end;
        if (end == pos_ || end >= s_.size() || s_[end] != '=') return std::string();
        std::string key = s_.substr(pos_, end - pos_);
        pos_ = end + 1;
        return key;
    }

    std::string Token() {
        std::string out;
        while (pos_ < s_.size() && !IsBlank(s_[pos_])) {
            char c = s_[pos_];
            if (c == '\'') {
                size_t close = s_.find('\'', pos_ + 1);
                if (close == std::string::npos) throw ScriptError("unterminated '");
                out += s_.substr(pos_ + 1, close - pos_ - 1);
                pos_ = close + 1;
            } else if (c == '"') {
                ++pos_;
                DoubleQuoted(out);
            } else if (c == '$' && Peek(1) == '{') {
                out += Variable();
            } else {
                out += c;
                ++pos_;
            }
        }
        return out;
    }

    void DoubleQuoted(std::string& out) {
        for (;;) {
            if (pos_ >= s_.size()) throw ScriptError("unterminated \"");
            char c = s_[pos_];
            if (c == '"') {
                ++pos_;
                return;
            }
            if (c == '$' && Peek(1) == '{') {
                out += Variable();
            } else if (c == '\\') {
                out += Escape();
            } else {
                out += c;
                ++pos_;
            }
        }
    }

    std::string Escape() {
        char e = Peek(1);
        pos_ += 2;
        switch (e) {
            case 'r':
                return "\r";
            case 'n':
                return "\n";
            case 't':
                return "\t";
            case '"':
                return "\"";
            case '\\':
                return "\\";
            case '$':
                return "$";
            case 'x': {
                int hi = HexDigit(Peek(0)), lo = HexDigit(Peek(1));
                if (hi < 0 || lo < 0) throw ScriptError("\\x needs two hex digits");
                pos_ += 2;
                return std::string(1, char(hi * 16 + lo));
            }
            default:
                throw ScriptError(std::string("unknown escape \\") + e);
        }
    }

    std::string Variable() {
        size_t close = s_.find('}', pos_);
        if (close == std::string::npos) throw ScriptError("unterminated ${");
        std::string name = s_.substr(pos_ + 2, close - pos_ - 2);
        pos_ = close + 1;
        return lookup_(name);
    }

    char Peek(size_t ahead) const { return pos_ + ahead < s_.size() ? s_[pos_ + ahead] : '\0'; }

    const std::string& s_;
    const VariableLookup& lookup_;
    size_t pos_ = 0;
};

}  // namespace

std::vector<ScriptLine> SplitLines(const std::string& text) {
    std::vector<ScriptLine> lines;
    ScriptLine pending;
    bool continuing = false;
    int number = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        ++number;
        start = end + 1;
        while (!line.empty() && IsBlank(line.back())) line.pop_back();
        if (continuing) {
            size_t first = 0;
            while (first < line.size() && IsBlank(line[first])) ++first;
            line = line.substr(first);
        } else {
            pending = ScriptLine{};
            pending.number = number;
        }
        continuing = !line.empty() && line.back() == '\\';
        if (continuing) line.pop_back();
        pending.text += line;
        if (!continuing) {
            size_t first = pending.text.find_first_not_of(" \t");
            if (first != std::string::npos && pending.text[first] != '#') lines.push_back(pending);
        }
        if (end == text.size()) break;
    }
    if (continuing) throw ScriptError("the last line ends in a continuation");
    return lines;
}

Command ParseCommand(const std::string& line, const VariableLookup& lookup) {
    return Tokenizer(line, lookup).Parse();
}

long long ParseInteger(const std::string& text) {
    if (text.empty()) throw ScriptError("a number is expected");
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 0);
    if (*end != '\0') throw ScriptError("not a number: " + text);
    return value;
}

void Command::ExpectArgs(size_t min, size_t max) const {
    if (args.size() < min || args.size() > max)
        throw ScriptError(
            name + " takes " + std::to_string(min) +
            (max == min ? "" : (max == size_t(-1) ? " or more" : " to " + std::to_string(max))) +
            " arguments, got " + std::to_string(args.size()));
}

const std::string& Command::Arg(size_t i) const {
    if (i >= args.size()) throw ScriptError(name + ": missing argument " + std::to_string(i + 1));
    return args[i];
}

const std::string& Command::UnicodeArg(size_t i) const {
    if (i >= unicodeArgs.size())
        throw ScriptError(name + ": missing argument " + std::to_string(i + 1));
    return unicodeArgs[i];
}

long long Command::IntArg(size_t i) const { return ParseInteger(Arg(i)); }

bool Command::Has(const std::string& key) const {
    used_.insert(key);
    return options.count(key) != 0;
}

std::string Command::Opt(const std::string& key, const std::string& fallback) const {
    used_.insert(key);
    auto it = options.find(key);
    return it == options.end() ? fallback : it->second;
}

long long Command::IntOpt(const std::string& key, long long fallback) const {
    return Has(key) ? ParseInteger(options.at(key)) : fallback;
}

void Command::RejectUnusedOptions() const {
    for (const auto& option : options)
        if (!used_.count(option.first)) throw ScriptError(name + " has no option " + option.first);
}

}  // namespace nv
