// Reading back the rights Windows keeps on a file or folder. Wine keeps no
// descriptor of its own: it reports what the Unix mode bits hold, so what
// can be checked here is whether anyone other than the trusted accounts may
// read or change the file.
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include "context.h"
#include "text.h"

namespace nv {
namespace {

// Rights that change a file or folder or what is in it: write data, add a
// file or folder, write extended attributes and attributes, delete a child,
// delete, change rights or owner, and the generic write and all.
constexpr DWORD kChanging = 0x2 | 0x4 | 0x10 | 0x40 | 0x100 | DELETE | WRITE_DAC | WRITE_OWNER |
                            GENERIC_WRITE | GENERIC_ALL;

bool Trusted(PSID sid, PSID owner) {
    WELL_KNOWN_SID_TYPE trusted[] = {WinLocalSystemSid, WinBuiltinAdministratorsSid,
                                     WinCreatorOwnerSid};
    for (WELL_KNOWN_SID_TYPE type : trusted) {
        if (IsWellKnownSid(sid, type)) return true;
    }
    return owner != nullptr && EqualSid(sid, owner);
}

// expect_rights PATH others=none|read|change: the most that an account other
// than the system, the administrators and the owner is allowed.
void ExpectRights(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD e = GetNamedSecurityInfoA(cmd.Arg(0).c_str(), SE_FILE_OBJECT,
                                    OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                                    nullptr, &dacl, nullptr, &descriptor);
    if (e != ERROR_SUCCESS) {
        throw Failure("cannot read the rights of " + Quoted(cmd.Arg(0)) + ", error " +
                      std::to_string(e));
    }
    LPSTR text = nullptr;
    if (ConvertSecurityDescriptorToStringSecurityDescriptorA(
            descriptor, SDDL_REVISION_1, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
            &text, nullptr)) {
        Log(std::string("rights ") + text);
        LocalFree(text);
    }
    std::string others = dacl == nullptr ? "change" : "none";
    for (DWORD i = 0; dacl != nullptr && i < dacl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        if (!GetAce(dacl, i, reinterpret_cast<void**>(&ace)) ||
            ace->Header.AceType != ACCESS_ALLOWED_ACE_TYPE ||
            (ace->Header.AceFlags & INHERIT_ONLY_ACE) != 0 ||
            Trusted(reinterpret_cast<PSID>(&ace->SidStart), owner)) {
            continue;
        }
        if ((ace->Mask & kChanging) != 0) {
            others = "change";
        } else if (others == "none") {
            others = "read";
        }
    }
    LocalFree(descriptor);
    const std::string expected = cmd.Opt("others", "none");
    if (others != expected) throw Failure("others may " + others + ", expected " + expected);
}

}  // namespace

void AddRightsCommands(CommandTable& table) {
    table["expect_rights"] = {ExpectRights, "PATH others=none|read|change"};
}

}  // namespace nv
