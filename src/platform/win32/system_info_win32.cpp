#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "platform/system_info.h"
#include "system_library.h"
#include "text_to_wide.h"

// winuser.h maps OemToAnsi to OemToCharA; ours must keep its own name, the one
// the portable code calls.
#undef OemToAnsi

namespace platform {

std::uint32_t UserDefaultLcid() { return ::GetUserDefaultLCID(); }

bool QueryVersion(bool extended, VersionRecord* record) {
    *record = VersionRecord{};
    OSVERSIONINFOEXA info;
    std::memset(&info, 0, sizeof(info));
    info.dwOSVersionInfoSize = extended ? sizeof(OSVERSIONINFOEXA) : sizeof(OSVERSIONINFOA);
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return false;
    record->majorVersion = info.dwMajorVersion;
    record->minorVersion = info.dwMinorVersion;
    record->buildNumber = info.dwBuildNumber;
    record->platformId = info.dwPlatformId;
    record->servicePack.assign(info.szCSDVersion,
                               strnlen(info.szCSDVersion, sizeof(info.szCSDVersion)));
    if (extended) {
        record->servicePackMajor = info.wServicePackMajor;
        record->servicePackMinor = info.wServicePackMinor;
        record->suiteMask = info.wSuiteMask;
        record->productType = info.wProductType;
    }
    return true;
}

std::uint16_t NativeProcessorArchitecture() {
    // Windows 2000 has only GetSystemInfo, which a 32-bit process on 64-bit
    // Windows would hear "x86" from.
    using NativeInfoFunction = void(WINAPI*)(LPSYSTEM_INFO);
    static const auto native =
        win32::SystemProc<NativeInfoFunction>("kernel32.dll", "GetNativeSystemInfo");
    SYSTEM_INFO info;
    std::memset(&info, 0, sizeof(info));
    if (native != nullptr) {
        native(&info);
    } else {
        ::GetSystemInfo(&info);
    }
    return info.wProcessorArchitecture;
}

int SystemMetric(int index) { return ::GetSystemMetrics(index); }

std::string OemToAnsi(const std::string& text) {
    if (text.empty()) return text;
    std::string converted(text.size(), '\0');
    // The counted form converts the whole text, NUL bytes included, and
    // writes exactly as many characters as it reads.
    ::OemToCharBuffA(text.data(), &converted[0], static_cast<DWORD>(text.size()));
    return converted;
}

bool IsUserAnAdmin() { return ::IsUserAnAdmin() != FALSE; }

std::string SystemFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    // 0 is a failure, MAX_PATH or more the size a longer folder would need.
    if (length == 0 || length >= MAX_PATH) return "";
    // Read wide: the ANSI call would name a folder the code page cannot hold
    // by a look-alike, another folder.
    return win32::WideToText(std::wstring(folder, length));
}

}  // namespace platform
