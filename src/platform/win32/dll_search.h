// setup.exe usually starts from a downloads folder, where anybody may have
// left a DLL named like a system one. Taking that folder out of the DLL search
// before anything is loaded on demand keeps such a file from being run.
#pragma once

namespace platform {
namespace win32 {

// Limits the DLL search to the system folder where Windows allows it, else
// at least removes the current folder from it.
void RestrictDllSearchPath();

}  // namespace win32
}  // namespace platform
