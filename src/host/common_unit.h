// The common services every part of the setup uses: Russian or English mode
// and the one registry object of the run. The message boxes of the mode are
// in host/message_boxes.h.
#pragma once

#include <cstdint>
#include <string>

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

class Registry;

// The one registry object of the run, from the start of the common services
// (or StartRegistry) to their shutdown. Asked for outside that, it raises.
Registry& Reg();
bool HasReg();

// Makes the registry object with `access` (the start of the common services
// does, and tests that need only it), and frees it again; a key it still
// holds is closed.
void StartRegistry(std::uint32_t access);
void StopRegistry();
