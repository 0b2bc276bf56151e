// The names of Windows releases and editions, decided from what the system
// reports about itself. Pure functions of their inputs, so every table can be
// checked without a system to ask.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system_info.h"

constexpr std::uint16_t kArchitectureX86 = 0;
constexpr std::uint16_t kArchitectureItanium = 6;
constexpr std::uint16_t kArchitectureX64 = 9;

constexpr std::uint8_t kProductWorkstation = 1;
constexpr std::uint8_t kProductDomainController = 2;
constexpr std::uint8_t kProductServer = 3;

// Everything the names depend on besides the "ver" banner and the registry.
struct WindowsFacts {
    platform::VersionRecord version;
    std::uint16_t architecture = kArchitectureX86;
    bool serverR2 = false;  // the system metrics, true when non-zero
    bool starter = false;
    bool mediaCenter = false;
    bool tabletPc = false;
};

// The release of the 95/98/Me family, such as "98 SE".
std::string Win9xName(const platform::VersionRecord& version);

// Whether the first part of an NT name has to come from the "ver" banner:
// 6.2 (reported by every release after Windows 8) and unknown major versions.
bool NtFirstPartNeedsBanner(const platform::VersionRecord& version);

// The release of the NT family, ending in a blank where one follows, such as
// "7 " or "Server 2008 R2 ". `banner` matters only where the above says so.
std::string NtFirstPart(const WindowsFacts& facts, const std::string& banner);

// The release as read from the "ver" banner. `knownReleases` tries the three
// releases that report 6.2 before the general form.
std::string FirstPartFromBanner(const std::string& banner, bool workstation, bool knownReleases);

// The general form's version number: the banner's characters from the fourth
// after the first "ion" (or from the fourth character when there is none) up
// to its first "."; "" when that dot lies before the start or is missing.
std::string VersionNumberFromBanner(const std::string& banner);

// The edition from the extended version record, for every major version but 6.
std::string ExtendedEdition(const WindowsFacts& facts);

// The edition from the ProductOptions "ProductType" text (older systems).
std::string EditionFromProductType(const std::string& productType);
