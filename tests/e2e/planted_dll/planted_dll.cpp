// A DLL that someone left beside a program under a system DLL's name. When it
// is loaded it says so: it appends the path of the program that loaded it to
// a file named after itself with ".loaded" added, beside it, and then lets the
// load go on. A scenario that finds no such file knows it was never loaded.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    char marker[MAX_PATH + 8];
    const DWORD length = ::GetModuleFileNameA(instance, marker, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return TRUE;
    ::lstrcpyA(marker + length, ".loaded");
    char program[MAX_PATH + 2];
    DWORD programLength = ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    if (programLength >= MAX_PATH) programLength = 0;
    program[programLength++] = '\r';
    program[programLength++] = '\n';
    HANDLE file = ::CreateFileA(marker, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(file, program, programLength, &written, nullptr);
        ::CloseHandle(file);
    }
    return TRUE;
}
