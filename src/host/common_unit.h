// The common services every part of the setup uses: Russian or English mode,
// the two message boxes through which errors and warnings reach the user, and
// the one registry object of the run.
#pragma once

#include <cstdint>
#include <string>

constexpr std::uint32_t kErrorBoxStyle = 0x200010;   // MB_SERVICE_NOTIFICATION | MB_ICONERROR
constexpr std::uint32_t kWarningBoxStyle = 0x42030;  // MB_TOPMOST | MB_TASKMODAL | MB_ICONWARNING

// The key below which the system keeps its program settings.
extern const char* const CurrentVersionKey;

// True for the seven locales whose users read Russian messages.
bool IsRussianLocale(std::uint32_t lcid);

// Start-up, before the main sequence: seeds the random generator, chooses the
// mode from the user's locale, marks the version numbers unset, describes
// Windows (for the 64-bit flag) and creates the registry object.
void StartCommonUnit();

// Shutdown, after the main sequence: frees the registry object and the texts.
void ShutdownCommonUnit();

// Show the text of the current mode and return when the user has closed the box.
void ErrorBox(const std::string& englishText, const std::string& russianText);
void WarningBox(const std::string& englishText, const std::string& russianText);
