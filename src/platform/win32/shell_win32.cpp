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

ErrorCode ShellDeleteTree(const std::string& folderWithoutTrailingBackslash) {
    const std::string& folder = folderWithoutTrailingBackslash;
    // The operation expands wildcards and reads an empty name as the working
    // folder: neither may widen what is deleted.
    if (folder.empty()) return ERROR_INVALID_PARAMETER;
    if (folder.find_first_of("*?") != std::string::npos) return kErrorInvalidName;
    // A list of one path: the path, its NUL and the NUL that ends the list.
    std::string from = folder;
    from.push_back('\0');
    from.push_back('\0');
    SHFILEOPSTRUCTA operation;
    ZeroMemory(&operation, sizeof(operation));
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION;
    int result = ::SHFileOperationA(&operation);
    if (result == 0 && operation.fAnyOperationsAborted) return ERROR_CANCELLED;
    return static_cast<ErrorCode>(result);
}

}  // namespace platform
