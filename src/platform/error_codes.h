// Error codes of the platform layer. They are the Windows system error codes,
// so the Win32 implementation passes GetLastError() through unchanged and the
// fakes report the same numbers Windows would.
#pragma once

#include <cstdint>

namespace platform {

using ErrorCode = std::uint32_t;

constexpr ErrorCode kSuccess = 0;
constexpr ErrorCode kErrorFileNotFound = 2;
constexpr ErrorCode kErrorPathNotFound = 3;
constexpr ErrorCode kErrorAccessDenied = 5;
constexpr ErrorCode kErrorInvalidHandle = 6;
constexpr ErrorCode kErrorNotEnoughMemory = 8;
constexpr ErrorCode kErrorInvalidData = 13;
constexpr ErrorCode kErrorSharingViolation = 32;
constexpr ErrorCode kErrorHandleEof = 38;
constexpr ErrorCode kErrorInvalidParameter = 87;
constexpr ErrorCode kErrorFileExists = 80;
constexpr ErrorCode kErrorDiskFull = 112;
constexpr ErrorCode kErrorInvalidName = 123;
constexpr ErrorCode kErrorDirNotEmpty = 145;
constexpr ErrorCode kErrorAlreadyExists = 183;
constexpr ErrorCode kErrorFilenameTooLong = 206;
constexpr ErrorCode kErrorMoreData = 234;
// ERROR_STOPPED_ON_SYMLINK: the registry calls refuse a key that is a link
// with it (platform/registry_calls.h).
constexpr ErrorCode kErrorStoppedOnSymlink = 681;
// A text the current text code page cannot hold character for character.
constexpr ErrorCode kErrorNoUnicodeTranslation = 1113;
constexpr ErrorCode kErrorTimeout = 1460;
// A link, junction or other reparse point stood where a real file or folder
// was expected (ERROR_REPARSE_POINT_ENCOUNTERED).
constexpr ErrorCode kErrorReparsePointEncountered = 4395;

}  // namespace platform
