// Faults a scenario puts in the setup's way: files another program holds
// open, file attributes, and registry keys nobody may write. A held file
// stays held until `release` or the driver's end.
#include <windows.h>

#include <sddl.h>

#include <map>

#include "context.h"
#include "text.h"

namespace nv {
namespace {

std::map<std::string, HANDLE>& HeldFiles() {
    static std::map<std::string, HANDLE> held;
    return held;
}

// hold ALIAS PATH [share=none|read|read_delete]: opens the file for reading
// and writing with that sharing, as a scanner or an editor would.
void Hold(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    const std::string share = cmd.Opt("share", "none");
    DWORD mode = 0;
    if (share == "read") {
        mode = FILE_SHARE_READ;
    } else if (share == "read_delete") {
        mode = FILE_SHARE_READ | FILE_SHARE_DELETE;
    } else if (share != "none") {
        throw ScriptError("share must be none, read or read_delete");
    }
    if (HeldFiles().count(cmd.Arg(0))) throw ScriptError("already holding " + cmd.Arg(0));
    HANDLE file = CreateFileA(cmd.Arg(1).c_str(), GENERIC_READ | GENERIC_WRITE, mode, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Failure("cannot hold " + Quoted(cmd.Arg(1)) + ", error " +
                      std::to_string(GetLastError()));
    HeldFiles()[cmd.Arg(0)] = file;
    Log("holding " + Quoted(cmd.Arg(1)) + " share=" + share);
}

// release ALIAS
void Release(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    auto it = HeldFiles().find(cmd.Arg(0));
    if (it == HeldFiles().end()) throw ScriptError("not holding " + cmd.Arg(0));
    CloseHandle(it->second);
    HeldFiles().erase(it);
}

// set_attributes PATH readonly|normal
void SetAttributes(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    DWORD attributes = 0;
    if (cmd.Arg(1) == "readonly") {
        attributes = FILE_ATTRIBUTE_READONLY;
    } else if (cmd.Arg(1) == "normal") {
        attributes = FILE_ATTRIBUTE_NORMAL;
    } else {
        throw ScriptError("attributes must be readonly or normal");
    }
    if (!SetFileAttributesA(cmd.Arg(0).c_str(), attributes))
        throw Failure("cannot set attributes, error " + std::to_string(GetLastError()));
}

// expect_attributes PATH readonly|normal: whether the read-only flag is set
void ExpectAttributes(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    DWORD attributes = GetFileAttributesA(cmd.Arg(0).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) throw Failure("no file " + Quoted(cmd.Arg(0)));
    const bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    if (readOnly != (cmd.Arg(1) == "readonly"))
        throw Failure(Quoted(cmd.Arg(0)) + (readOnly ? " is" : " is not") + " read-only");
}

// lock_key KEY [view=32|64]: everyone may read the key, nobody may write it.
// The lock lives only as long as the wineserver; the key must exist.
void LockKey(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    const std::string view = cmd.Opt("view", "64");
    const std::string& name = cmd.Arg(0);
    static const std::pair<const char*, HKEY> roots[] = {{"HKLM", HKEY_LOCAL_MACHINE},
                                                         {"HKCU", HKEY_CURRENT_USER}};
    const size_t slash = name.find('\\');
    HKEY root = nullptr;
    for (const auto& entry : roots)
        if (name.substr(0, slash) == entry.first) root = entry.second;
    if (root == nullptr || slash == std::string::npos) throw ScriptError("cannot lock " + name);
    HKEY key = nullptr;
    const REGSAM sam = WRITE_DAC | (view == "32" ? KEY_WOW64_32KEY : KEY_WOW64_64KEY);
    LONG status = RegOpenKeyExA(root, name.substr(slash + 1).c_str(), 0, sam, &key);
    if (status != ERROR_SUCCESS)
        throw Failure("cannot open " + Quoted(name) + ", error " + std::to_string(status));
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        RegCloseKey(key);
        throw Failure("cannot make the descriptor");
    }
    status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        throw Failure("cannot lock " + Quoted(name) + ", error " + std::to_string(status));
}

bool ReadAll(const std::string& path, std::string& data) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    data.clear();
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        data.append(buffer, got);
    CloseHandle(file);
    return true;
}

// whole_or_absent PATH COPY...: PATH is missing or equals one of the copies
// byte for byte; a file cut short under its final name fails.
void WholeOrAbsent(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, size_t(-1));
    if (GetFileAttributesA(cmd.Arg(0).c_str()) == INVALID_FILE_ATTRIBUTES) {
        Log("absent " + Quoted(cmd.Arg(0)));
        return;
    }
    std::string data;
    if (!ReadAll(cmd.Arg(0), data)) throw Failure("cannot read " + Quoted(cmd.Arg(0)));
    for (size_t i = 1; i < cmd.ArgCount(); ++i) {
        std::string copy;
        if (!ReadAll(cmd.Arg(i), copy)) throw Failure("cannot read " + Quoted(cmd.Arg(i)));
        if (data == copy) {
            Log("whole " + Quoted(cmd.Arg(0)) + " = " + Quoted(cmd.Arg(i)));
            return;
        }
    }
    throw Failure(Quoted(cmd.Arg(0)) + " (" + std::to_string(data.size()) +
                  " bytes) equals none of its copies");
}

}  // namespace

void AddFaultCommands(CommandTable& table) {
    table["hold"] = {Hold, "ALIAS PATH [share=none|read|read_delete]"};
    table["release"] = {Release, "ALIAS"};
    table["set_attributes"] = {SetAttributes, "PATH readonly|normal"};
    table["expect_attributes"] = {ExpectAttributes, "PATH readonly|normal"};
    table["lock_key"] = {LockKey, "KEY [view=32|64]"};
    table["whole_or_absent"] = {WholeOrAbsent, "PATH COPY..."};
}

}  // namespace nv
