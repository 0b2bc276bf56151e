// Files for the probe while the platform layer of this tree has no Win32
// implementation of them yet (left out of the build as soon as it has one).
#include <windows.h>

#include "platform/files.h"

namespace platform {

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ErrorCode CreateFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) ? kSuccess : GetLastError();
}

ErrorCode DeleteFileAt(const std::string& path) {
    return DeleteFileA(path.c_str()) ? kSuccess : GetLastError();
}

ErrorCode MoveFileReplacing(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) ? kSuccess
                                                                            : GetLastError();
}

ErrorCode WriteWholeFile(const std::string& path, const void* data, std::size_t size,
                         CreateMode mode) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                              mode == CreateMode::CreateNew ? CREATE_NEW : CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    ErrorCode error = kSuccess;
    const char* next = static_cast<const char*>(data);
    while (size > 0 && error == kSuccess) {
        DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, next, chunk, &written, nullptr)) {
            error = GetLastError();
        } else if (written == 0) {
            error = kErrorDiskFull;
        }
        next += written;
        size -= written;
    }
    if (!CloseHandle(file) && error == kSuccess) error = GetLastError();
    return error;
}

ErrorCode ReadFileRange(const std::string& path, std::uint64_t offset, std::size_t count,
                        ShareMode share, std::string* bytes) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, share == ShareMode::Read ? FILE_SHARE_READ : 0,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError();
    ErrorCode error = kSuccess;
    LARGE_INTEGER size, position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    bytes->clear();
    if (!GetFileSizeEx(file, &size) || !SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) {
        error = GetLastError();
    } else if (static_cast<std::uint64_t>(size.QuadPart) > offset) {
        std::uint64_t left = static_cast<std::uint64_t>(size.QuadPart) - offset;
        bytes->resize(left < count ? static_cast<std::size_t>(left) : count);
        DWORD read = 0;
        if (!ReadFile(file, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &read, nullptr)) {
            error = GetLastError();
            read = 0;
        }
        bytes->resize(read);
    }
    CloseHandle(file);
    return error;
}

ErrorCode ReadWholeFile(const std::string& path, std::string* bytes) {
    return ReadFileRange(path, 0, SIZE_MAX, ShareMode::Read, bytes);
}

}  // namespace platform
