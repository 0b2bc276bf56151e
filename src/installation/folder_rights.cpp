#include "installation/folder_rights.h"

#include <cstdlib>
#include <utility>

#include "installation/path_rules.h"
#include "platform/files.h"
#include "platform/security.h"

const char kProgramFolderRights[] =
    "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)(A;OICI;0x1200a9;;;AU)";
const char kProgramFolderRightsAndOwner[] =
    "O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)(A;OICI;0x1200a9;;;AU)";

namespace {

constexpr std::uint32_t kObjectInherit = 0x1;
constexpr std::uint32_t kContainerInherit = 0x2;
constexpr std::uint32_t kInheritOnly = 0x8;

// File and folder rights.
constexpr std::uint32_t kAddFile = 0x2;
constexpr std::uint32_t kAddSubfolder = 0x4;
constexpr std::uint32_t kWriteExtended = 0x10;
constexpr std::uint32_t kDeleteChild = 0x40;
constexpr std::uint32_t kWriteAttributes = 0x100;
constexpr std::uint32_t kDelete = 0x10000;
constexpr std::uint32_t kWriteDac = 0x40000;
constexpr std::uint32_t kWriteOwner = 0x80000;

constexpr std::uint32_t kGenericAll = 0x10000000;
constexpr std::uint32_t kGenericExecute = 0x20000000;
constexpr std::uint32_t kGenericWrite = 0x40000000;
constexpr std::uint32_t kGenericRead = 0x80000000;

// What lets a holder take a folder away, or whatever is in it.
constexpr std::uint32_t kReplaceRights = kDelete | kWriteDac | kWriteOwner | kDeleteChild;
// What lets a holder change a folder or what is in it.
constexpr std::uint32_t kChangeRights =
    kReplaceRights | kAddFile | kAddSubfolder | kWriteExtended | kWriteAttributes;

const char kSystem[] = "S-1-5-18";
const char kAdministrators[] = "S-1-5-32-544";
const char kTrustedInstaller[] = "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";
const char kCreatorOwner[] = "S-1-3-0";
const char kCreatorGroup[] = "S-1-3-1";
const char kOwnerRights[] = "S-1-3-4";

std::string ResolveAlias(const std::string& sid) {
    static const std::pair<const char*, const char*> kAliases[] = {
        {"SY", kSystem},       {"BA", kAdministrators}, {"CO", kCreatorOwner},
        {"CG", kCreatorGroup}, {"OW", kOwnerRights},    {"BU", "S-1-5-32-545"},
        {"AU", "S-1-5-11"},    {"WD", "S-1-1-0"},       {"IU", "S-1-5-4"},
        {"AN", "S-1-5-7"},     {"BG", "S-1-5-32-546"},  {"PU", "S-1-5-32-547"},
        {"LS", "S-1-5-19"},    {"NS", "S-1-5-20"},      {"AC", "S-1-15-2-1"},
    };
    for (const auto& alias : kAliases) {
        if (sid == alias.first) return alias.second;
    }
    return sid;
}

// A run of two-letter codes of `table`, their bits joined; false for a code
// the table does not know.
template <std::size_t N>
bool ParseCodes(const std::string& text, const std::pair<const char*, std::uint32_t> (&table)[N],
                std::uint32_t* bits) {
    *bits = 0;
    if (text.size() % 2 != 0) return false;
    for (std::string::size_type i = 0; i < text.size(); i += 2) {
        bool known = false;
        for (const auto& code : table) {
            if (text.compare(i, 2, code.first) == 0) {
                *bits |= code.second;
                known = true;
            }
        }
        if (!known) return false;
    }
    return true;
}

bool ParseRights(const std::string& text, std::uint32_t* rights) {
    if (text.compare(0, 2, "0x") == 0 || text.compare(0, 2, "0X") == 0) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(text.c_str() + 2, &end, 16);
        *rights = static_cast<std::uint32_t>(value);
        return end != nullptr && *end == '\0' && text.size() > 2;
    }
    static const std::pair<const char*, std::uint32_t> kCodes[] = {
        {"GA", kGenericAll}, {"GR", kGenericRead}, {"GW", kGenericWrite}, {"GX", kGenericExecute},
        {"RC", 0x20000},     {"SD", kDelete},      {"WD", kWriteDac},     {"WO", kWriteOwner},
        {"RP", 0x10},        {"WP", 0x20},         {"CC", 0x1},           {"DC", 0x2},
        {"LC", 0x4},         {"SW", 0x8},          {"LO", 0x80},          {"DT", 0x40},
        {"CR", 0x100},       {"FA", 0x1F01FF},     {"FR", 0x120089},      {"FW", 0x120116},
        {"FX", 0x1200A0},    {"KA", 0xF003F},      {"KR", 0x20019},       {"KW", 0x20006},
        {"KX", 0x20019},
    };
    return ParseCodes(text, kCodes, rights);
}

// Generic rights as a file system grants them.
std::uint32_t MapGeneric(std::uint32_t rights) {
    if (rights & kGenericAll) rights |= 0x1F01FF;
    if (rights & kGenericRead) rights |= 0x120089;
    if (rights & kGenericWrite) rights |= 0x120116;
    if (rights & kGenericExecute) rights |= 0x1200A0;
    return rights & 0x0FFFFFFF;
}

bool ParseInheritance(const std::string& text, std::uint32_t* flags) {
    static const std::pair<const char*, std::uint32_t> kFlags[] = {
        {"OI", 0x1},  {"CI", 0x2},  {"NP", 0x4},  {"IO", 0x8},
        {"ID", 0x10}, {"SA", 0x40}, {"FA", 0x80},
    };
    return ParseCodes(text, kFlags, flags);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = text.find(separator, start)) != std::string::npos;
         start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

bool ParseEntry(const std::string& text, AccessEntry* entry) {
    const std::vector<std::string> fields = Split(text, ';');
    if (fields.size() < 6) return false;
    const std::string& type = fields[0];
    // Allowing entries of every kind; denying, audit and label entries grant nothing.
    entry->allows = type == "A" || type == "OA" || type == "XA" || type == "ZA";
    std::uint32_t rights = 0;
    if (!ParseInheritance(fields[1], &entry->inheritance) || !ParseRights(fields[2], &rights)) {
        return false;
    }
    entry->rights = MapGeneric(rights);
    entry->sid = ResolveAlias(fields[5]);
    return !entry->sid.empty();
}

// Where a part of a descriptor ("O:", "D:", ...) begins at the top level.
std::string::size_type PartStart(const std::string& sddl, char part, std::string::size_type from) {
    int depth = 0;
    for (std::string::size_type i = from; i + 1 < sddl.size(); ++i) {
        if (sddl[i] == '(') ++depth;
        if (sddl[i] == ')') --depth;
        if (depth == 0 && sddl[i] == part && sddl[i + 1] == ':' && (i == 0 || sddl[i - 1] != '-')) {
            return i;
        }
    }
    return std::string::npos;
}

std::string PartText(const std::string& sddl, char part) {
    const std::string::size_type start = PartStart(sddl, part, 0);
    if (start == std::string::npos) return std::string();
    std::string::size_type end = sddl.size();
    for (char other : {'O', 'G', 'D', 'S'}) {
        if (other == part) continue;
        const std::string::size_type next = PartStart(sddl, other, start + 2);
        if (next != std::string::npos && next < end) end = next;
    }
    return sddl.substr(start + 2, end - start - 2);
}

bool Trusted(const std::string& sid, const std::string& owner, const std::string& installingUser) {
    // The owner-rights group stands for the owner; as the owner itself it
    // stands for nobody trusted.
    if (sid == kOwnerRights) return owner != kOwnerRights && Trusted(owner, owner, installingUser);
    return sid == kSystem || sid == kAdministrators || sid == kTrustedInstaller ||
           (!installingUser.empty() && sid == installingUser);
}

// Nobody's token holds these: an entry for them grants nothing by itself.
bool StandsForNobody(const std::string& sid) {
    return sid == kCreatorOwner || sid == kCreatorGroup;
}

// Whether an untrusted account is granted any of `rights` by an entry that
// takes effect for which of: the folder itself, new subfolders, new files.
bool OthersGranted(const FolderDescriptor& folder, std::uint32_t rights, bool onFolder,
                   bool onNewContent, const std::string& installingUser) {
    if (!folder.hasAccessList) return true;
    if (!Trusted(folder.owner, folder.owner, installingUser)) return true;
    for (const AccessEntry& entry : folder.entries) {
        if (!entry.allows || (entry.rights & rights) == 0 || StandsForNobody(entry.sid) ||
            Trusted(entry.sid, folder.owner, installingUser)) {
            continue;
        }
        const bool here = (entry.inheritance & kInheritOnly) == 0;
        const bool passedOn = (entry.inheritance & (kObjectInherit | kContainerInherit)) != 0;
        if ((onFolder && here) || (onNewContent && passedOn)) return true;
    }
    return false;
}

bool ReadDescriptor(const std::string& path, FolderDescriptor* descriptor) {
    std::string sddl;
    return platform::ReadSecurity(path, &sddl) == platform::kSuccess && ParseSddl(sddl, descriptor);
}

}  // namespace

bool ParseSddl(const std::string& sddl, FolderDescriptor* descriptor) {
    *descriptor = FolderDescriptor();
    descriptor->owner = ResolveAlias(PartText(sddl, 'O'));
    if (PartStart(sddl, 'D', 0) == std::string::npos) return true;
    const std::string dacl = PartText(sddl, 'D');
    const std::string::size_type first = dacl.find('(');
    const std::string flags = dacl.substr(0, first);
    descriptor->hasAccessList = flags.find("NO_ACCESS_CONTROL") == std::string::npos;
    if (first == std::string::npos) return true;
    std::string::size_type at = first;
    while (at < dacl.size()) {
        if (dacl[at] != '(') return false;
        const std::string::size_type close = dacl.find(')', at);
        if (close == std::string::npos) return false;
        AccessEntry entry;
        if (!ParseEntry(dacl.substr(at + 1, close - at - 1), &entry)) return false;
        descriptor->entries.push_back(entry);
        at = close + 1;
    }
    return true;
}

bool OthersMayReplace(const FolderDescriptor& folder, const std::string& installingUser) {
    return OthersGranted(folder, kReplaceRights, true, false, installingUser);
}

bool OthersMayChange(const FolderDescriptor& folder, const std::string& installingUser) {
    return OthersGranted(folder, kChangeRights, true, true, installingUser);
}

std::string FolderAboveAtFault(const std::string& folder) {
    const std::string user = platform::CurrentUserSid();
    for (const std::string& level : FoldersAbove(folder)) {
        // The levels from here down are yet to be made, with rights of their own.
        if (!platform::FolderExists(level)) break;
        FolderDescriptor descriptor;
        if (!ReadDescriptor(level, &descriptor) || OthersMayReplace(descriptor, user)) return level;
    }
    return std::string();
}

bool OnlyTrustedMayChange(const std::string& folder) {
    FolderDescriptor descriptor;
    return ReadDescriptor(folder, &descriptor) &&
           !OthersMayChange(descriptor, platform::CurrentUserSid());
}

bool RestrictToAdministrators(const std::string& folder) {
    const std::string user = platform::CurrentUserSid();
    FolderDescriptor descriptor;
    if (ReadDescriptor(folder, &descriptor) && !OthersMayChange(descriptor, user)) return true;
    const bool ownerTrusted = Trusted(descriptor.owner, descriptor.owner, user);
    platform::WriteSecurity(folder,
                            ownerTrusted ? kProgramFolderRights : kProgramFolderRightsAndOwner);
    // Read back: what was asked for is not always what the file system keeps.
    return OnlyTrustedMayChange(folder);
}
