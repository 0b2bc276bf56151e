#include <windows.h>

#include <algorithm>
#include <vector>

#include "folder_path.h"
#include "platform/files.h"
#include "platform/name_case.h"
#include "security_descriptor.h"
#include "system_library.h"
#include "text_to_wide.h"

namespace platform {

namespace {

// Large writes go out in pieces so that no single WriteFile call has to map
// the caller's whole buffer at once.
constexpr std::size_t kWriteChunk = 1u << 20;

ErrorCode LastError() { return static_cast<ErrorCode>(::GetLastError()); }

std::wstring Wide(const std::string& text) { return win32::TextToWide(text); }

DWORD Attributes(const std::string& path) { return ::GetFileAttributesW(Wide(path).c_str()); }

bool IsReparsePoint(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
using SetFileInformationFunction = BOOL(WINAPI*)(HANDLE, FILE_INFO_BY_HANDLE_CLASS, LPVOID, DWORD);

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) ::CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

    // Closes now and reports what the close said (a network file may fail
    // only when its last data is flushed).
    ErrorCode Close() {
        HANDLE h = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(h) ? kSuccess : LastError();
    }

  private:
    HANDLE handle_;
};

HANDLE OpenForReading(const std::string& path, DWORD share) {
    return ::CreateFileW(Wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

ErrorCode ReadUpTo(HANDLE file, std::size_t count, std::string* bytes) {
    std::string data(count, '\0');
    std::size_t done = 0;
    while (done < count) {
        DWORD piece = static_cast<DWORD>(std::min(count - done, kWriteChunk));
        DWORD read = 0;
        if (!::ReadFile(file, &data[done], piece, &read, nullptr)) return LastError();
        if (read == 0) break;  // end of the file
        done += read;
    }
    data.resize(done);
    bytes->swap(data);
    return kSuccess;
}

// The path Windows reaches through `handle`, as a plain "C:\..." or
// "\\server\share\..." path; "" when the system cannot say.
std::wstring FinalPathOf(HANDLE handle) {
    static const auto finalPath =
        win32::SystemProc<FinalPathFunction>("kernel32.dll", "GetFinalPathNameByHandleW");
    if (finalPath == nullptr) return std::wstring();
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD length = finalPath(handle, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = finalPath(handle, buffer.data(), static_cast<DWORD>(buffer.size()), 0);
    }
    if (length == 0 || length >= buffer.size()) return std::wstring();
    std::wstring path(buffer.data(), length);
    if (path.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\\\" + path.substr(8);
    if (path.compare(0, 4, L"\\\\?\\") == 0) return path.substr(4);
    return path;
}

// `path` as Windows spells it in full: absolute, long names for short ones.
std::wstring FullLongPath(const std::string& path) {
    const std::wstring wide = Wide(path);
    std::vector<wchar_t> full(MAX_PATH);
    DWORD length =
        ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length + 1);
        length =
            ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size()) return wide;
    std::vector<wchar_t> longer(32768);
    const DWORD longLength =
        ::GetLongPathNameW(full.data(), longer.data(), static_cast<DWORD>(longer.size()));
    if (longLength == 0 || longLength >= longer.size()) return std::wstring(full.data(), length);
    return std::wstring(longer.data(), longLength);
}

// Whether the full path `reached` ends with the steps of the full path
// `spelt` after its drive or share, names compared as Windows compares them.
// A path the text code page cannot hold is never taken for the same.
bool EndsTheSame(const std::wstring& reached, const std::wstring& spelt) {
    std::string left;
    std::string right;
    if (!win32::WideToTextExactly(reached, &left) || !win32::WideToTextExactly(spelt, &right)) {
        return false;
    }
    left = win32::WithoutTrailingSeparators(left);
    right = win32::WithoutTrailingSeparators(right);
    const std::string steps = right.substr(std::min(win32::RootLength(right), right.size()));
    if (left.empty() || left.size() < steps.size()) return false;
    const std::string tail = left.substr(left.size() - steps.size());
    const bool atStep = left.size() == steps.size() || steps.empty() ||
                        left[left.size() - steps.size() - 1] == '\\';
    return atStep && SameName(tail, steps);
}

// Without the final path (Windows XP), a link on the way shows as a level
// that is a reparse point.
bool AnyLevelIsLink(const std::string& folder) {
    for (const std::string& level : win32::FolderLevels(win32::WithoutTrailingSeparators(folder))) {
        if (IsReparsePoint(Attributes(level))) return true;
    }
    return false;
}

// Removes a link to a folder through a handle of the link itself. Where the
// open follows the link instead (as Wine does), the handle is of the folder
// it points to and nothing is removed.
ErrorCode RemoveFolderLink(const std::string& path) {
    static const auto setInformation =
        win32::SystemProc<SetFileInformationFunction>("kernel32.dll", "SetFileInformationByHandle");
    if (setInformation == nullptr) {
        // Windows XP removes a junction itself, never what it points to.
        return ::RemoveDirectoryW(Wide(path).c_str()) ? kSuccess : LastError();
    }
    FileHandle link(::CreateFileW(
        Wide(path).c_str(), DELETE | FILE_READ_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!link.valid()) return LastError();
    BY_HANDLE_FILE_INFORMATION information;
    if (!::GetFileInformationByHandle(link.get(), &information)) return LastError();
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return kErrorReparsePointEncountered;
    }
    FILE_DISPOSITION_INFO disposition;
    disposition.DeleteFile = TRUE;
    if (!setInformation(link.get(), FileDispositionInfo, &disposition, sizeof(disposition))) {
        return LastError();
    }
    return link.Close();
}

}  // namespace

bool IsLinkAt(const std::string& path) { return IsReparsePoint(Attributes(path)); }

ErrorCode CheckRealFolder(const std::string& folder) {
    const DWORD attributes = Attributes(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES) return LastError();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return kErrorPathNotFound;
    // A drive's root is nobody's link, though Wine marks one that is a
    // mount point as a reparse point.
    const bool root = win32::WithoutTrailingSeparators(folder).size() <= win32::RootLength(folder);
    if (IsReparsePoint(attributes) && !root) return kErrorReparsePointEncountered;
    FileHandle opened(::CreateFileW(Wide(folder).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!opened.valid()) return LastError();
    if (AnyLevelIsLink(folder)) return kErrorReparsePointEncountered;
    // Without a link on the way the folder reached is the one spelt, but
    // where the drive itself stands for another place (a substituted or
    // network drive) or a name is spelt short: the path below the drive must
    // still end the same.
    const std::wstring reached = FinalPathOf(opened.get());
    if (reached.empty()) return kSuccess;
    return EndsTheSame(reached, FullLongPath(folder)) ? kSuccess : kErrorReparsePointEncountered;
}

FolderHold HoldFolder(const std::string& folder) {
    // Without delete sharing nobody can rename or delete the folder, and
    // Windows lets no folder above it be renamed while it is open.
    HANDLE handle = ::CreateFileW(Wide(folder).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return kNoFolderHold;
    return reinterpret_cast<FolderHold>(handle);
}

void ReleaseFolder(FolderHold hold) {
    if (hold != kNoFolderHold) ::CloseHandle(reinterpret_cast<HANDLE>(hold));
}

ErrorCode RemoveEmptyFolder(const std::string& path) {
    if (IsLinkAt(path)) return kErrorReparsePointEncountered;
    return ::RemoveDirectoryW(Wide(path).c_str()) ? kSuccess : LastError();
}

bool FileExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path) {
    DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

ErrorCode CreateFolder(const std::string& path) { return win32::CreateFolderLevel(path, nullptr); }

ErrorCode CreateFolderTree(const std::string& path, const std::string& newLevelsSddl) {
    const std::string target = win32::WithoutTrailingSeparators(path);
    if (target.empty()) return kErrorPathNotFound;
    win32::LocalDescriptor newLevels;
    if (!newLevelsSddl.empty() && !newLevels.FromSddl(Wide(newLevelsSddl))) return LastError();
    // Created level by level rather than by the shell's own routine, which
    // can create a long path cut short and still report success.
    ErrorCode last = kSuccess;
    std::vector<std::string> made;
    for (const std::string& level : win32::FolderLevels(target)) {
        if (FolderExists(level)) {
            last = kSuccess;
            continue;
        }
        last = win32::CreateFolderLevel(level, newLevels.get());
        if (last == kSuccess) made.push_back(level);
        if (last != kSuccess && last != kErrorAlreadyExists) break;
    }
    if (FolderExists(target)) return kSuccess;
    // A path refused halfway ("C:\Norvelik\con", a name too long) must not
    // leave the levels made before it behind; only empty ones can go.
    for (auto level = made.rbegin(); level != made.rend(); ++level) {
        ::RemoveDirectoryW(Wide(*level).c_str());
    }
    return last != kSuccess ? last : kErrorPathNotFound;
}

ErrorCode DeleteFileAt(const std::string& path) {
    if (!::DeleteFileW(Wide(path).c_str())) return LastError();
    // A file that another process holds open for deletion, or one the file
    // system refuses to drop, can be reported deleted and still be there.
    if (Attributes(path) != INVALID_FILE_ATTRIBUTES) return kErrorAccessDenied;
    return kSuccess;
}

ErrorCode RemoveNameAt(const std::string& path) {
    const DWORD attributes = Attributes(path);
    if (IsReparsePoint(attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return RemoveFolderLink(path);
    }
    // An empty file of ours ("~nvXXXX.tmp") is renamed over the name and then
    // deleted: a rename replaces a link as a name, where opening or deleting
    // it may reach what it points to (Wine deletes a link's target, and shows
    // a link to a file as that file). The rename refuses a folder, and a link
    // to one, with kErrorAccessDenied.
    const std::string folder = win32::ParentFolder(path);
    wchar_t placeholder[MAX_PATH];
    if (::GetTempFileNameW(Wide(folder.empty() ? "." : folder).c_str(), L"~nv", 0, placeholder) ==
        0) {
        return LastError();
    }
    if (!::MoveFileExW(placeholder, Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const ErrorCode refused = LastError();
        ::DeleteFileW(placeholder);
        return refused;
    }
    return DeleteFileAt(path);
}

ErrorCode MoveFileReplacing(const std::string& from, const std::string& to) {
    return ::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? kSuccess
               : LastError();
}

ErrorCode WriteWholeFile(const std::string& path, const void* data, std::size_t size,
                         CreateMode mode) {
    FileHandle file(::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  mode == CreateMode::CreateNew ? CREATE_NEW : CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return LastError();
    const char* next = static_cast<const char*>(data);
    std::size_t left = size;
    while (left > 0) {
        DWORD piece = static_cast<DWORD>(std::min(left, kWriteChunk));
        DWORD written = 0;
        if (!::WriteFile(file.get(), next, piece, &written, nullptr)) return LastError();
        if (written != piece) return kErrorDiskFull;  // a short write means no room
        next += written;
        left -= written;
    }
    return file.Close();
}

ErrorCode ReadFileRange(const std::string& path, std::uint64_t offset, std::size_t count,
                        ShareMode share, std::string* bytes) {
    FileHandle file(OpenForReading(path, share == ShareMode::Exclusive ? 0 : FILE_SHARE_READ));
    if (!file.valid()) return LastError();
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!::SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN)) return LastError();
    return ReadUpTo(file.get(), count, bytes);
}

ErrorCode ReadWholeFile(const std::string& path, std::string* bytes) {
    FileHandle file(OpenForReading(path, FILE_SHARE_READ));
    if (!file.valid()) return LastError();
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.get(), &size)) return LastError();
    if (static_cast<std::uint64_t>(size.QuadPart) > SIZE_MAX / 2) return kErrorNotEnoughMemory;
    return ReadUpTo(file.get(), static_cast<std::size_t>(size.QuadPart), bytes);
}

ErrorCode FileSize(const std::string& path, std::uint64_t* size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) {
        return LastError();
    }
    *size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return kSuccess;
}

ErrorCode ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
    entries->clear();
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\') pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(Wide(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        ErrorCode e = LastError();
        // An empty drive root has not even "." and "..".
        return e == kErrorFileNotFound && FolderExists(folder) ? kSuccess : e;
    }
    ErrorCode result = kSuccess;
    do {
        const std::wstring wideName = found.cFileName;
        if (wideName == L"." || wideName == L"..") continue;
        FolderEntry entry;
        // A name the text code page cannot hold is left out rather than
        // listed as a look-alike, which would name another entry or none.
        if (!win32::WideToTextExactly(wideName, &entry.name)) continue;
        entry.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        // Every reparse point counts: Wine reports a link without its tag.
        entry.isLink = IsReparsePoint(found.dwFileAttributes);
        entries->push_back(entry);
    } while (::FindNextFileW(search, &found));
    ErrorCode end = LastError();
    if (end != ERROR_NO_MORE_FILES) result = end;
    ::FindClose(search);
    return result;
}

ErrorCode FreeDiskSpace(const std::string& path, std::uint64_t* bytes) {
    // The folder to be installed to usually does not exist yet: ask about the
    // nearest folder above it that does.
    std::string existing = win32::WithoutTrailingSeparators(path);
    while (!existing.empty() && !FolderExists(existing)) {
        existing = win32::ParentFolder(existing);
    }
    // Only a relative path may fall back on the current drive; a missing
    // drive or share has no free space to report.
    if (existing.empty() && win32::RootLength(path) > 0) return kErrorPathNotFound;
    if (!existing.empty() && existing.back() != '\\') existing += '\\';
    ULARGE_INTEGER freeToCaller;
    if (!::GetDiskFreeSpaceExW(existing.empty() ? nullptr : Wide(existing).c_str(), &freeToCaller,
                               nullptr, nullptr)) {
        return LastError();
    }
    *bytes = freeToCaller.QuadPart;
    return kSuccess;
}

ErrorCode SetWorkingFolder(const std::string& path) {
    return ::SetCurrentDirectoryW(Wide(path).c_str()) ? kSuccess : LastError();
}

}  // namespace platform
