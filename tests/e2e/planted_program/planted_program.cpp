// A program someone left where a command interpreter is looked for. When it
// runs it says so: it appends its command line and what its standard output
// is ("pipe", "disk", "char" or "none") to a file named after itself with
// ".ran" added, beside it, then prints a banner as "ver" would. A scenario
// that finds no such file knows it never ran.
#include <windows.h>

namespace {

const char* OutputKind(HANDLE output) {
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return "none";
    switch (::GetFileType(output)) {
        case FILE_TYPE_PIPE:
            return "pipe";
        case FILE_TYPE_DISK:
            return "disk";
        case FILE_TYPE_CHAR:
            return "char";
        default:
            return "none";
    }
}

void Append(HANDLE file, const char* text) {
    DWORD written = 0;
    ::WriteFile(file, text, ::lstrlenA(text), &written, nullptr);
}

}  // namespace

int main() {
    char marker[MAX_PATH + 8];
    const DWORD length = ::GetModuleFileNameA(nullptr, marker, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    ::lstrcpyA(marker + length, ".ran");
    HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE file = ::CreateFileA(marker, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        Append(file, ::GetCommandLineA());
        Append(file, "\r\nstdout ");
        Append(file, OutputKind(output));
        Append(file, "\r\n");
        ::CloseHandle(file);
    }
    DWORD written = 0;
    const char banner[] = "\r\nMicrosoft Windows [Version 6.3.9600]\r\n";
    ::WriteFile(output, banner, sizeof(banner) - 1, &written, nullptr);
    return 0;
}
