#include <windows.h>

#include <ole2.h>
#include <shellapi.h>

#include "platform/shell.h"

namespace platform {

void InitializeComponentLibrary() { ::OleInitialize(nullptr); }

bool ShellOpen(const std::string& file, const std::string& parameters,
               const std::string& workingFolder, int showCommand) {
    HINSTANCE result = ::ShellExecuteA(
        nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
        workingFolder.empty() ? nullptr : workingFolder.c_str(), showCommand);
    // Values up to 32 are error codes; anything above means it started.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace platform
