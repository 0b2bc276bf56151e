#include "check.h"

#include <windows.h>

namespace check {

std::string ProgramFolder() {
    char buffer[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer, length);
    return path.substr(0, path.rfind('\\') + 1);
}

}  // namespace check
