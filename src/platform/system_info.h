// What the system says about itself: locale, version, processor, metrics,
// rights and where its own programs are.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

std::uint32_t UserDefaultLcid();

// The version record as GetVersionExA fills it (zeroed before the query).
struct VersionRecord {
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0;
    std::string servicePack;  // up to its first NUL, at most 128 characters
    std::uint16_t servicePackMajor = 0;
    std::uint16_t servicePackMinor = 0;
    std::uint16_t suiteMask = 0;
    std::uint8_t productType = 0;
};

// extended: the OSVERSIONINFOEXA form (156 bytes), else the basic form (148).
// The last five fields are filled only by the extended form.
bool QueryVersion(bool extended, VersionRecord* record);

// wProcessorArchitecture of GetNativeSystemInfo where the system has it
// (looked up by name in kernel32), else of GetSystemInfo.
std::uint16_t NativeProcessorArchitecture();

constexpr int kSmTabletPc = 86;
constexpr int kSmMediaCenter = 87;
constexpr int kSmStarter = 88;
constexpr int kSmServerR2 = 89;

int SystemMetric(int index);

// OemToCharA: same length; an empty text stays empty.
std::string OemToAnsi(const std::string& text);

bool IsUserAnAdmin();

// The system folder as the system reports it (GetSystemDirectory), without
// a final backslash unless it is a drive's root; "" when it cannot be read, or
// held character for character in the current text code page. Never taken
// from the environment, which any program of the user can set.
std::string SystemFolder();

}  // namespace platform
