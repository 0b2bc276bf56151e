// Rights on folders, judged the way an elevated installer must judge them: a
// program folder that someone other than the administrators can change, or
// a folder above it that such a user can rename or replace, lets that user
// swap the programs an administrator runs. Descriptors come in the system's
// text form (SDDL, platform/security.h); the decisions are plain functions
// of that text, so they are tested on descriptors as Windows ships them.
//
// Trusted are the system (SY), the administrators (BA), TrustedInstaller and
// the account that runs the setup; every other account or group is not.
// Only allowing entries count: a denying entry may be worked around by a
// member of another group, so it never makes a folder pass.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The rights the setup gives a program folder it makes, and one it finds
// open to others: full control for the system and the administrators, read
// and execute for users, nothing inherited from the folder above; what is
// made inside gets the same.
extern const char kProgramFolderRights[];
// The same with the administrators as owner, for a folder someone else owns.
extern const char kProgramFolderRightsAndOwner[];

struct AccessEntry {
    bool allows = false;
    std::uint32_t inheritance = 0;  // OI 0x1, CI 0x2, NP 0x4, IO 0x8, ID 0x10
    std::uint32_t rights = 0;       // generic rights mapped to the file ones
    std::string sid;                // "S-1-..." (aliases resolved where known)
};

struct FolderDescriptor {
    std::string owner;  // "S-1-...", "" when none was read
    // A descriptor without an access list (or with NO_ACCESS_CONTROL) lets
    // everyone do everything.
    bool hasAccessList = false;
    std::vector<AccessEntry> entries;
};

// Reads `sddl`; false when it is not a descriptor this reader understands.
bool ParseSddl(const std::string& sddl, FolderDescriptor* descriptor);

// Whether anyone untrusted may delete or rename this folder or anything in
// it, or change its rights or owner: what lets a user put a link in the
// place of a folder below. An untrusted owner may always change the rights.
bool OthersMayReplace(const FolderDescriptor& folder, const std::string& installingUser);

// Whether anyone untrusted may change the folder or what is in it: add,
// write, delete or rename anything there, change its rights, or would be
// given such rights on what is made in it.
bool OthersMayChange(const FolderDescriptor& folder, const std::string& installingUser);

// The first folder from the drive root down to the one holding `folder`
// (an absolute path) whose rights let someone untrusted rename or replace
// what lies below it; one whose rights cannot be read counts. The levels
// that do not exist yet are not judged: the setup makes them with rights of
// their own. "" when every one of them is safe. Paths keep their "\".
std::string FolderAboveAtFault(const std::string& folder);

// Whether only the trusted may change `folder`, by its rights as read now
// (OthersMayChange for the account that runs the program); false when they
// cannot be read.
bool OnlyTrustedMayChange(const std::string& folder);

// Makes sure only the trusted may change `folder`, an existing folder:
// when its rights let others change it, it gets kProgramFolderRights (and
// the administrators as owner when someone untrusted owns it). True when
// the rights read back afterwards are safe.
bool RestrictToAdministrators(const std::string& folder);
