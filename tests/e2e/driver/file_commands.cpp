// Checking and preparing files and folders. Paths are ANSI, as the programs
// under test see them.
#include <windows.h>

#include "context.h"
#include "text.h"

namespace nv {

void AddFaultCommands(CommandTable& table);  // fault_commands.cpp

namespace {

bool Exists(const std::string& path, bool& isFolder) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
}

std::string Contents(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Failure("cannot read " + Quoted(path) + ", error " + std::to_string(GetLastError()));
    std::string data;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        data.append(buffer, got);
    CloseHandle(file);
    return data;
}

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// file_exists PATH [size=N]
void FileExists(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    bool folder = false;
    if (!Exists(cmd.Arg(0), folder) || folder) throw Failure("no file " + Quoted(cmd.Arg(0)));
    if (cmd.Has("size")) {
        long long expected = cmd.IntOpt("size", 0);
        long long size = (long long)Contents(cmd.Arg(0)).size();
        Log("size " + std::to_string(size));
        if (size != expected)
            throw Failure("size " + std::to_string(size) + ", expected " +
                          std::to_string(expected));
    }
}

// wait_file PATH [timeout=MS]: waits until something stands at PATH, e.g.
// the sign that a fault script on the host has done its part.
void WaitFile(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    const long long timeout = cmd.IntOpt("timeout", kDefaultTimeoutMs);
    bool folder = false;
    for (long long waited = 0; !Exists(cmd.Arg(0), folder); waited += 50) {
        if (waited >= timeout) {
            throw Failure("nothing at " + Quoted(cmd.Arg(0)) + " within " +
                          std::to_string(timeout) + " ms");
        }
        Sleep(50);
    }
}

// folder_exists PATH
void FolderExists(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    bool folder = false;
    if (!Exists(cmd.Arg(0), folder) || !folder) throw Failure("no folder " + Quoted(cmd.Arg(0)));
}

// absent PATH: neither file nor folder
void Absent(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    bool folder = false;
    if (Exists(cmd.Arg(0), folder)) throw Failure(Quoted(cmd.Arg(0)) + " exists");
}

// same_file PATH OTHER: byte for byte
void SameFile(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    std::string a = Contents(cmd.Arg(0)), b = Contents(cmd.Arg(1));
    if (a != b)
        throw Failure("the files differ at byte " + std::to_string(FirstDifference(a, b)) +
                      " (sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size()) +
                      ")");
}

// file_bytes PATH OFFSET HEX
void FileBytes(Context&, const Command& cmd) {
    cmd.ExpectArgs(3, 3);
    std::string data = Contents(cmd.Arg(0));
    size_t offset = size_t(cmd.IntArg(1));
    const std::string& expected = cmd.Arg(2);
    if (expected.size() % 2 != 0) throw ScriptError("hex bytes come in pairs");
    std::string actual = offset < data.size() ? data.substr(offset, expected.size() / 2) : "";
    if (Hex(actual) != expected)
        throw Failure("bytes at " + std::to_string(offset) + " are " + Hex(actual));
}

// file_text PATH TEXT: the whole content
void FileText(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    std::string data = Contents(cmd.Arg(0));
    if (data != cmd.Arg(1))
        throw Failure("content " + Quoted(data) + " differs at byte " +
                      std::to_string(FirstDifference(data, cmd.Arg(1))));
}

// file_contains PATH TEXT
void FileContains(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    if (Contents(cmd.Arg(0)).find(cmd.Arg(1)) == std::string::npos)
        throw Failure(Quoted(cmd.Arg(0)) + " does not contain " + Quoted(cmd.Arg(1)));
}

// write_file PATH TEXT
void WriteText(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    HANDLE file =
        CreateFileA(cmd.Arg(0).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Failure("cannot create " + Quoted(cmd.Arg(0)) + ", error " +
                      std::to_string(GetLastError()));
    DWORD written = 0;
    BOOL ok = WriteFile(file, cmd.Arg(1).data(), DWORD(cmd.Arg(1).size()), &written, nullptr);
    CloseHandle(file);
    if (!ok) throw Failure("cannot write " + Quoted(cmd.Arg(0)));
}

// copy_file FROM TO
void Copy(Context&, const Command& cmd) {
    cmd.ExpectArgs(2, 2);
    if (!CopyFileA(cmd.Arg(0).c_str(), cmd.Arg(1).c_str(), FALSE))
        throw Failure("cannot copy, error " + std::to_string(GetLastError()));
}

// make_folder PATH: one level
void MakeFolder(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    if (!CreateDirectoryA(cmd.Arg(0).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        throw Failure("cannot create, error " + std::to_string(GetLastError()));
}

// list_folder PATH [count=N]: names and sizes; with count=, exactly N entries
void ListFolder(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    long long entries = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((cmd.Arg(0) + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) throw Failure("cannot list " + Quoted(cmd.Arg(0)));
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        bool folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        ++entries;
        Log("  " + Quoted(name) + (folder ? " folder" : " " + std::to_string(found.nFileSizeLow)));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    if (cmd.Has("count") && entries != cmd.IntOpt("count", 0))
        throw Failure(std::to_string(entries) + " entries, expected " + cmd.Opt("count"));
}

// same_files FOLDER OTHER NAME...: each NAME in FOLDER equals the one in OTHER byte for byte
void SameFiles(Context&, const Command& cmd) {
    cmd.ExpectArgs(3, size_t(-1));
    for (size_t i = 2; i < cmd.ArgCount(); ++i) {
        std::string a = Contents(cmd.Arg(0) + "\\" + cmd.Arg(i));
        std::string b = Contents(cmd.Arg(1) + "\\" + cmd.Arg(i));
        if (a != b)
            throw Failure(Quoted(cmd.Arg(i)) + " differs at byte " +
                          std::to_string(FirstDifference(a, b)) + " (sizes " +
                          std::to_string(a.size()) + " and " + std::to_string(b.size()) + ")");
    }
    Log(std::to_string(cmd.ArgCount() - 2) + " files equal");
}

}  // namespace

void AddFileCommands(CommandTable& table) {
    table["file_exists"] = {FileExists, "PATH [size=N]"};
    table["folder_exists"] = {FolderExists, "PATH"};
    table["wait_file"] = {WaitFile, "PATH [timeout=MS]"};
    table["absent"] = {Absent, "PATH"};
    table["same_file"] = {SameFile, "PATH OTHER"};
    table["file_bytes"] = {FileBytes, "PATH OFFSET HEX"};
    table["file_text"] = {FileText, "PATH TEXT"};
    table["file_contains"] = {FileContains, "PATH TEXT"};
    table["write_file"] = {WriteText, "PATH TEXT"};
    table["copy_file"] = {Copy, "FROM TO"};
    table["make_folder"] = {MakeFolder, "PATH"};
    table["list_folder"] = {ListFolder, "PATH [count=N]"};
    table["same_files"] = {SameFiles, "FOLDER OTHER NAME..."};
    AddFaultCommands(table);
}

}  // namespace nv
