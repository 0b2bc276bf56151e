#include "host/windows_names.h"

#include "platform/name_case.h"

namespace {

// Upper-case hexadecimal without leading zeros, as "%X" writes it. Put
// together by hand: a printf call brings 25 KB of formatting code into setup.exe.
std::string Hex(unsigned value) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[value % 16]);
        value /= 16;
    } while (value != 0);
    return digits;
}

constexpr std::uint16_t kSuiteEnterprise = 0x0002;
constexpr std::uint16_t kSuiteEmbedded = 0x0040;
constexpr std::uint16_t kSuiteDatacenter = 0x0080;
constexpr std::uint16_t kSuitePersonal = 0x0200;
constexpr std::uint16_t kSuiteBlade = 0x0400;
constexpr std::uint16_t kSuiteStorageServer = 0x2000;
constexpr std::uint16_t kSuiteComputeCluster = 0x4000;

// The 9x service-pack text marks its release by its second character.
char ReleaseLetter(const platform::VersionRecord& v) {
    return v.servicePack.size() >= 2 ? v.servicePack[1] : '\0';
}

std::string Windows95Name(const platform::VersionRecord& v) {
    const std::uint32_t build = v.buildNumber & 0xFFFF;
    const char letter = ReleaseLetter(v);
    if (build == 1111) return "95 OSR 2.0";
    if (build == 1212 || build == 1213) return "95 OSR 2.1";
    if (build == 1214 && letter == 'C') return "95 OSR 2.5";
    if (build == 1214) return "95 OSR 2.1";
    if (build > 1080) return "95 OSR 2.x";
    if (letter == 'A' || letter == 'W') return "95 OSR 1";
    return "95";
}

// Two texts: the first for workstations, the second for everything else.
std::string ByProduct(const WindowsFacts& f, const char* workstation, const char* other) {
    return f.version.productType == kProductWorkstation ? workstation : other;
}

std::string Windows2003FirstPart(const WindowsFacts& f) {
    if (f.serverR2) return "Server 2003 R2 ";
    if (f.version.suiteMask == kSuiteStorageServer) return "Storage Server 2003 ";
    if (f.version.productType == kProductWorkstation && f.architecture == kArchitectureX64) {
        return "XP ";
    }
    return "Server 2003 ";
}

std::string WorkstationEdition(const WindowsFacts& f) {
    const platform::VersionRecord& v = f.version;
    if (v.majorVersion == 4) return "Workstation";
    if (v.majorVersion != 5) return "Unknown Workstation";
    if (v.minorVersion == 2 && f.architecture == kArchitectureX64) return "Professional x64";
    if (f.starter) return "Starter";
    if (f.mediaCenter) return "Media Center";
    if (f.tabletPc) return "Tablet PC";
    if (v.suiteMask & kSuitePersonal) return "Home";
    if (v.suiteMask & kSuiteEmbedded) return "Embedded";
    return "Professional";
}

std::string Server2003Edition(const WindowsFacts& f) {
    const std::uint16_t suite = f.version.suiteMask;
    switch (f.architecture) {
        case kArchitectureX86:
            if (suite & kSuiteComputeCluster) return "Computer Cluster";
            if (suite & kSuiteDatacenter) return "Datacenter";
            if (suite & kSuiteEnterprise) return "Enterprise";
            if (suite == kSuiteBlade) return "Web";
            return "Standard";
        case kArchitectureItanium:
            if (suite & kSuiteDatacenter) return "Datacenter for Itanium-based Systems";
            if (suite & kSuiteEnterprise) return "Enterprise for Itanium-based Systems";
            return "Standard Itanium-based";
        case kArchitectureX64:
            if (suite & kSuiteDatacenter) return "Datacenter x64";
            if (suite & kSuiteEnterprise) return "Enterprise x64";
            return "Standard x64";
        default:
            return "Unknown on Architecture 0x" + Hex(static_cast<unsigned>(f.architecture));
    }
}

std::string ServerEdition(const WindowsFacts& f) {
    const platform::VersionRecord& v = f.version;
    if (v.majorVersion == 4) {
        return (v.suiteMask & kSuiteEnterprise) ? "Server 4.0 Enterprise" : "Server 4.0";
    }
    if (v.majorVersion == 5 && v.minorVersion == 0) {
        if (v.suiteMask & kSuiteDatacenter) return "Datacenter Server";
        if (v.suiteMask & kSuiteEnterprise) return "Advanced Server";
        return "Server";
    }
    if (v.majorVersion == 5 && v.minorVersion == 2) return Server2003Edition(f);
    return v.productType == kProductServer ? "Unknown Server" : "Unknown Domain controller";
}

}  // namespace

std::string Win9xName(const platform::VersionRecord& v) {
    if (v.majorVersion != 4) return "Unknown 9x";
    switch (v.minorVersion) {
        case 0:
        case 3:
            return Windows95Name(v);
        case 10: {
            const char letter = ReleaseLetter(v);
            const bool secondEdition = v.buildNumber == 2222 || letter == 'A' || letter == 'B';
            return secondEdition ? "98 SE" : "98";
        }
        case 90:
            return "Millennium";
        default:
            return "Unknown 9x";
    }
}

bool NtFirstPartNeedsBanner(const platform::VersionRecord& v) {
    switch (v.majorVersion) {
        case 3:
        case 4:
        case 5:
        case 10:
            return false;
        case 6:
            return v.minorVersion == 2;
        default:
            return true;
    }
}

std::string NtFirstPart(const WindowsFacts& f, const std::string& banner) {
    const platform::VersionRecord& v = f.version;
    const bool workstation = v.productType == kProductWorkstation;
    switch (v.majorVersion) {
        case 3:
        case 4:
            return "NT ";
        case 5:
            switch (v.minorVersion) {
                case 0:
                    return "2000 ";
                case 1:
                    return "XP ";
                case 2:
                    return Windows2003FirstPart(f);
                default:
                    return "Unknown version ";
            }
        case 6:
            switch (v.minorVersion) {
                case 0:
                    return ByProduct(f, "Vista ", "Server 2008 ");
                case 1:
                    return ByProduct(f, "7 ", "Server 2008 R2 ");
                case 2:
                    return FirstPartFromBanner(banner, workstation, true);
                case 3:
                    return ByProduct(f, "8.1 ", "Server 2012 R2 ");
                default:
                    return "";
            }
        case 10:
            return v.minorVersion == 0 ? ByProduct(f, "10 ", "Server 2016 ") : "";
        default:
            return FirstPartFromBanner(banner, workstation, false);
    }
}

std::string FirstPartFromBanner(const std::string& banner, bool workstation, bool knownReleases) {
    if (knownReleases) {
        if (banner.find(" 6.2") != std::string::npos) return workstation ? "8 " : "Server 2012 ";
        if (banner.find(" 6.3") != std::string::npos) {
            return workstation ? "8.1 " : "Server 2012 R2 ";
        }
        if (banner.find(" 10") != std::string::npos) return workstation ? "10 " : "Server 10 ";
    }
    return (workstation ? "" : "Server ") + VersionNumberFromBanner(banner) + " ";
}

std::string VersionNumberFromBanner(const std::string& banner) {
    // "Version 12.0": the number starts four characters after the "i" of
    // "ion"; a banner without "ion" is read from its fourth character.
    const std::size_t ion = banner.find("ion");
    const std::size_t start = ion == std::string::npos ? 3 : ion + 4;
    const std::size_t dot = banner.find('.');
    if (dot == std::string::npos || dot < start) return "";
    return banner.substr(start, dot - start);
}

std::string ExtendedEdition(const WindowsFacts& f) {
    switch (f.version.productType) {
        case kProductWorkstation:
            return WorkstationEdition(f);
        case kProductDomainController:
        case kProductServer:
            return ServerEdition(f);
        default:
            return "Unknown";
    }
}

std::string EditionFromProductType(const std::string& productType) {
    const std::string upper = platform::FoldedName(productType);
    if (upper == "WINNT") return "Workstation";
    if (upper == "LANMANNT") return "Server";
    if (upper == "SERVERNT") return "Advanced Server";
    return "Unknown";
}
