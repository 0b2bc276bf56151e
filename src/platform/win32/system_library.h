// Calls that not every supported Windows has are looked up by name at run
// time, so that the program still loads where they are missing.
#pragma once

#include <windows.h>

namespace platform {
namespace win32 {

// The named export of an already loaded system module, as a pointer of type
// Function; nullptr when the module or the export does not exist.
template <typename Function>
Function SystemProc(const char* module, const char* name) {
    HMODULE handle = ::GetModuleHandleA(module);
    if (handle == nullptr) return nullptr;
    FARPROC proc = ::GetProcAddress(handle, name);
    // The detour through void (*)() keeps the compiler from checking the
    // signature, which only the caller knows.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace win32
}  // namespace platform
