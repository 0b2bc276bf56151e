#include "host/windows_version.h"

#include "host/command_capture.h"
#include "host/windows_names.h"
#include "platform/registry_calls.h"

namespace {

constexpr std::uint32_t kPlatformWin9x = 1;
constexpr std::uint32_t kPlatformNt = 2;

const char kNtCurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const char kProductOptionsKey[] = "SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
const char kNt4Sp6aHotfixKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009";
// A value that does not fit the 256-byte buffer (with its NUL) is not read.
constexpr std::size_t kMaxProductTypeLength = 255;

bool isWin64 = false;

// Reads a text value of an HKLM key that is opened (never created) and closed
// again here. False when the key does not open or the value is missing or not text.
bool ReadMachineText(const char* keyPath, std::uint32_t access, const char* name, std::string* text,
                     platform::RegValueType* type) {
    platform::OwnedKey key;
    return key.Open(platform::RegRoot::LocalMachine, keyPath, access, false) ==
               platform::kSuccess &&
           platform::RegReadString(key.get(), name, text, type) == platform::kSuccess;
}

bool MachineKeyOpens(const char* keyPath, std::uint32_t access) {
    platform::OwnedKey key;
    return key.Open(platform::RegRoot::LocalMachine, keyPath, access, false) == platform::kSuccess;
}

WindowsFacts GatherFacts(const platform::VersionRecord& version) {
    WindowsFacts facts;
    facts.version = version;
    facts.architecture = platform::NativeProcessorArchitecture();
    facts.serverR2 = platform::SystemMetric(platform::kSmServerR2) != 0;
    facts.starter = platform::SystemMetric(platform::kSmStarter) != 0;
    facts.mediaCenter = platform::SystemMetric(platform::kSmMediaCenter) != 0;
    facts.tabletPc = platform::SystemMetric(platform::kSmTabletPc) != 0;
    return facts;
}

// Since NT 6 the registry's own product name beats anything the tables know;
// it is read from the 64-bit view, as a 32-bit process would otherwise see the
// redirected copy. False when it cannot be read.
bool ReadNt6ProductName(std::string* productName) {
    return ReadMachineText(kNtCurrentVersionKey,
                           platform::kKeyAllAccess | platform::kKeyWow64_64Key, "ProductName",
                           productName, nullptr);
}

void AppendBitness(const WindowsFacts& facts, std::string* name) {
    if (facts.architecture == kArchitectureX64) *name += " 64-bit";
    if (facts.architecture == kArchitectureX86) *name += " 32-bit";
}

// The NT release from the tables, asking the command interpreter for its
// banner only where the tables need it.
std::string NtFirstPartOf(const WindowsFacts& facts) {
    const bool needsBanner = NtFirstPartNeedsBanner(facts.version);
    return NtFirstPart(facts, needsBanner ? RunAndCapture("ver") : "");
}

// Without the extended record only the ProductOptions key tells the edition.
void AppendProductOptionsEdition(std::string* name) {
    std::string productType;
    platform::RegValueType type = platform::RegValueType::Other;
    if (!ReadMachineText(kProductOptionsKey, platform::kKeyQueryValue, "ProductType", &productType,
                         &type)) {
        return;
    }
    if (type != platform::RegValueType::String || productType.size() > kMaxProductTypeLength)
        return;
    *name += EditionFromProductType(productType);
}

// NT 4 SP6 was reissued as SP6a; only the hotfix key tells them apart.
std::string ServicePackOf(const platform::VersionRecord& version) {
    if (version.majorVersion == 4 && version.servicePack == "Service Pack 6" &&
        MachineKeyOpens(kNt4Sp6aHotfixKey, platform::kKeyQueryValue)) {
        return "Service Pack 6a";
    }
    return version.servicePack;
}

bool OnlyBlanksAndControls(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

}  // namespace

bool IdentifyWindows(std::string* windowsName, std::string* servicePackText) {
    windowsName->clear();
    servicePackText->clear();
    platform::VersionRecord version;
    const bool extended = platform::QueryVersion(true, &version);
    if (!extended && !platform::QueryVersion(false, &version)) return false;
    const WindowsFacts facts = GatherFacts(version);

    std::string name = "Microsoft Windows ";
    if (version.platformId == kPlatformWin9x) {
        *windowsName = name + Win9xName(version);
        *servicePackText = version.servicePack;
        return true;
    }
    if (version.platformId != kPlatformNt) return false;

    if (extended && version.majorVersion == 6) {
        // A product name that can be read replaces the whole name built so
        // far, so the release from the tables (and any banner) is not asked for.
        std::string productName;
        if (ReadNt6ProductName(&productName)) {
            name = productName;
        } else {
            name += NtFirstPartOf(facts);
        }
        AppendBitness(facts, &name);
    } else {
        name += NtFirstPartOf(facts);
        if (extended) {
            name += ExtendedEdition(facts);
        } else {
            AppendProductOptionsEdition(&name);
        }
    }
    *windowsName = name;
    *servicePackText = ServicePackOf(version);
    return true;
}

std::string DescribeWindows() {
    std::string name;
    std::string servicePack;
    if (!IdentifyWindows(&name, &servicePack)) return "unknown";
    const std::string description =
        OnlyBlanksAndControls(servicePack) ? name : name + " " + servicePack;
    isWin64 = description.find(" 64") != std::string::npos;
    return description;
}

bool IsWin64() { return isWin64; }

void ResetIsWin64() { isWin64 = false; }
