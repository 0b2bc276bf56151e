#include "snapshot.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "script.h"
#include "text.h"

namespace nv {
namespace {

// Files up to this size are read for their hash: the whole prefix stays
// quick to picture, and every file a program of ours writes is far smaller.
constexpr ULONGLONG kHashedFileLimit = 1 << 20;
// Guards the walks against a link that leads back into itself.
constexpr int kMaxDepth = 40;

// The registry a program of ours may change; the rest is the system's own.
struct RegistryRoot {
    HKEY root;
    const wchar_t* prefix;
    const wchar_t* path;
};
const RegistryRoot kRegistryRoots[] = {
    {HKEY_LOCAL_MACHINE, L"HKLM", L"Software"},  // the 32-bit part as Software\Wow6432Node
    // Where the system keeps the files to delete at the next start.
    {HKEY_LOCAL_MACHINE, L"HKLM", L"System\\CurrentControlSet\\Control\\Session Manager"},
    {HKEY_CURRENT_USER, L"HKCU", L"Software"},
};

std::uint64_t Fnv1a(const char* data, size_t size, std::uint64_t hash) {
    for (size_t i = 0; i < size; ++i) {
        hash ^= static_cast<unsigned char>(data[i]);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::wstring Hex64(std::uint64_t value) {
    wchar_t text[17];
    for (int i = 15; i >= 0; --i, value >>= 4) text[i] = L"0123456789abcdef"[value & 15];
    text[16] = 0;
    return text;
}

std::wstring FileHash(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return L"unreadable";
    std::uint64_t hash = 14695981039346656037ull;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        hash = Fnv1a(buffer, got, hash);
    CloseHandle(file);
    return Hex64(hash);
}

void WalkFolder(const std::wstring& folder, int depth, Snapshot& out) {
    if (depth > kMaxDepth) return;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out[L"folder " + path] = L"";
            WalkFolder(path, depth + 1, out);
            continue;
        }
        ULONGLONG size = (ULONGLONG(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        std::wstring details = L"size " + std::to_wstring(size);
        if (size <= kHashedFileLimit) details += L" hash " + FileHash(path);
        out[L"file " + path] = details;
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::wstring HexBytes(const BYTE* data, DWORD size) {
    std::wstring out;
    for (DWORD i = 0; i < size; ++i) {
        out += L"0123456789abcdef"[data[i] >> 4];
        out += L"0123456789abcdef"[data[i] & 15];
    }
    return out;
}

std::wstring ValueDetails(DWORD type, const std::vector<BYTE>& data, DWORD size) {
    const wchar_t* text = reinterpret_cast<const wchar_t*>(data.data());
    size_t chars = size / sizeof(wchar_t);
    switch (type) {
        case REG_SZ:
        case REG_EXPAND_SZ: {
            std::wstring value(text, chars);
            while (!value.empty() && value.back() == 0) value.pop_back();
            return std::wstring(type == REG_SZ ? L"sz:" : L"expand_sz:") + value;
        }
        case REG_MULTI_SZ:
            // The zeros between the strings stay, escaped in the saved file.
            return L"multi_sz:" + std::wstring(text, chars);
        case REG_DWORD:
            if (size == 4)
                return L"dword:" + std::to_wstring(*reinterpret_cast<const DWORD*>(text));
            break;
        default:
            break;
    }
    return L"type" + std::to_wstring(type) + L":" + HexBytes(data.data(), size);
}

void WalkKey(HKEY key, const std::wstring& name, int depth, Snapshot& out) {
    out[L"key " + name] = L"";
    DWORD subkeys = 0, values = 0, longestSubkey = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, &longestSubkey, nullptr, &values,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<wchar_t> valueName(longestName + 2);
    std::vector<BYTE> data(longestData + 2);
    for (DWORD i = 0; i < values; ++i) {
        DWORD nameSize = DWORD(valueName.size()), dataSize = DWORD(data.size()), type = 0;
        LONG status = RegEnumValueW(key, i, valueName.data(), &nameSize, nullptr, &type,
                                    data.data(), &dataSize);
        if (status == ERROR_MORE_DATA) {
            // A value that grew since the key was measured: ask again with room for it.
            valueName.resize(32768);
            data.resize(dataSize + 2);
            nameSize = DWORD(valueName.size());
            dataSize = DWORD(data.size());
            status = RegEnumValueW(key, i, valueName.data(), &nameSize, nullptr, &type, data.data(),
                                   &dataSize);
        }
        if (status != ERROR_SUCCESS) continue;
        std::wstring valueLabel = nameSize == 0 ? L"@" : std::wstring(valueName.data(), nameSize);
        out[L"value " + name + L"\\" + valueLabel] = ValueDetails(type, data, dataSize);
    }
    if (depth >= kMaxDepth) return;
    std::vector<wchar_t> subkeyName(longestSubkey + 2 > 256 ? longestSubkey + 2 : 256);
    for (DWORD i = 0; i < subkeys; ++i) {
        DWORD size = DWORD(subkeyName.size());
        if (RegEnumKeyExW(key, i, subkeyName.data(), &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            continue;
        std::wstring child(subkeyName.data(), size);
        // The 32-bit classes are one key reachable under two names: walked once.
        if (name + L"\\" + child == L"HKLM\\Software\\Wow6432Node\\Classes") continue;
        HKEY sub = nullptr;
        if (RegOpenKeyExW(key, child.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &sub) != ERROR_SUCCESS)
            continue;
        WalkKey(sub, name + L"\\" + child, depth + 1, out);
        RegCloseKey(sub);
    }
}

// The system's case folding, which knows Cyrillic letters too.
wchar_t Lower(wchar_t c) {
    return wchar_t(reinterpret_cast<ULONG_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(ULONG_PTR(c)))));
}

}  // namespace

// % and control characters as %XX, so that an entry stays on its line.
std::string Printable(const std::wstring& text) {
    std::string utf8 = WideToUtf8(text), out;
    for (unsigned char c : utf8) {
        if (c < 0x20 || c == '%') {
            char code[4];
            snprintf(code, sizeof code, "%%%02X", c);
            out += code;
        } else {
            out += char(c);
        }
    }
    return out;
}

namespace {

std::wstring Unescape(const std::string& text) {
    std::string utf8;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            utf8 += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            utf8 += text[i];
        }
    }
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], n);
    return wide;
}

}  // namespace

Snapshot TakeSnapshot(SnapshotTimes* times) {
    Snapshot out;
    DWORD start = GetTickCount();
    WalkFolder(L"C:", 0, out);
    DWORD walked = GetTickCount();
    for (const RegistryRoot& root : kRegistryRoots) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root.root, root.path, 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
            ERROR_SUCCESS)
            continue;
        WalkKey(key, std::wstring(root.prefix) + L"\\" + root.path, 0, out);
        RegCloseKey(key);
    }
    if (times != nullptr) {
        times->filesMs = walked - start;
        times->registryMs = GetTickCount() - walked;
    }
    return out;
}

void SaveSnapshot(const Snapshot& snapshot, const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const auto& entry : snapshot)
        file << Printable(entry.first) << '\t' << Printable(entry.second) << '\n';
    if (!file) throw Failure("cannot write " + path);
}

Snapshot LoadSnapshot(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw ScriptError("no snapshot " + path + ": take it with the snapshot command");
    Snapshot snapshot;
    std::string line;
    while (std::getline(file, line)) {
        size_t tab = line.find('\t');
        if (tab == std::string::npos) throw Failure("damaged snapshot " + path);
        snapshot[Unescape(line.substr(0, tab))] = Unescape(line.substr(tab + 1));
    }
    return snapshot;
}

std::wstring Difference::NameAndDetails() const {
    const std::wstring& details = kind == L"removed" ? before : after;
    const std::string printable = Printable(details);
    int n = MultiByteToWideChar(CP_UTF8, 0, printable.data(), int(printable.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, printable.data(), int(printable.size()), &wide[0], n);
    return Name() + L" = " + wide;
}

std::vector<Difference> Compare(const Snapshot& before, const Snapshot& after) {
    std::vector<Difference> out;
    auto a = before.begin(), b = after.begin();
    while (a != before.end() || b != after.end()) {
        if (b == after.end() || (a != before.end() && a->first < b->first)) {
            out.push_back({L"removed", a->first, a->second, L""});
            ++a;
        } else if (a == before.end() || b->first < a->first) {
            out.push_back({L"added", b->first, L"", b->second});
            ++b;
        } else {
            if (a->second != b->second) out.push_back({L"changed", a->first, a->second, b->second});
            ++a;
            ++b;
        }
    }
    return out;
}

bool WildcardMatch(const std::wstring& pattern, const std::wstring& text) {
    // Iterative matching with one backtrack point: the last star seen.
    size_t p = 0, t = 0, star = std::wstring::npos, mark = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || Lower(pattern[p]) == Lower(text[t]))) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            star = p++;
            mark = t;
        } else if (star != std::wstring::npos) {
            p = star + 1;
            t = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') ++p;
    return p == pattern.size();
}

}  // namespace nv
