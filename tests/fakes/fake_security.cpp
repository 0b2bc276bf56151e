// Descriptors live beside the fake files (FakeFiles::descriptors); a new
// owner or access list replaces the stored one, the owner kept when the new
// descriptor names none.
#include <algorithm>

#include "fake_files.h"
#include "platform/security.h"

namespace {

// The "O:..." part of a descriptor, "" when it names no owner.
std::string OwnerPart(const std::string& sddl) {
    if (sddl.compare(0, 2, "O:") != 0) return std::string();
    std::string::size_type end = sddl.size();
    for (const char* part : {"G:", "D:", "S:"}) end = std::min(end, sddl.find(part, 2));
    return sddl.substr(0, end);
}

}  // namespace

namespace platform {

ErrorCode ReadSecurity(const std::string& path, std::string* sddl) {
    fake::FakeFiles& files = fake::Files();
    if (!files.FileExistsAt(path) && !files.FolderExistsAt(path)) return kErrorFileNotFound;
    auto it = files.descriptors.find(files.Key(path, true));
    *sddl = it == files.descriptors.end() ? fake::kTrustedDescriptor : it->second;
    return kSuccess;
}

ErrorCode WriteSecurity(const std::string& path, const std::string& sddl) {
    fake::FakeFiles& files = fake::Files();
    files.Record("secure " + path);
    std::string old;
    if (ErrorCode e = ReadSecurity(path, &old)) return e;
    files.descriptors[files.Key(path, true)] =
        OwnerPart(sddl).empty() ? OwnerPart(old) + sddl : sddl;
    return kSuccess;
}

std::string CurrentUserSid() { return fake::Files().currentUserSid; }

}  // namespace platform
