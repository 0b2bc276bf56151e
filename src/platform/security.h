// Who may do what with files and folders: security descriptors in the
// system's own text form (SDDL), read and written whole, and the account the
// program runs as. Every call that can fail returns a Windows error code
// and never throws.
#pragma once

#include <string>

#include "platform/error_codes.h"

namespace platform {

// The owner and the access list of `path` in SDDL ("O:...D:..."), as the
// system reports them; group and audit list are left out. A file system
// without rights reports an access list that grants everyone everything.
ErrorCode ReadSecurity(const std::string& path, std::string* sddl);

// Puts the access list of `sddl` on an existing file or folder, protected
// from what the folder above would pass on, and its owner too when `sddl`
// names one. What lies inside a folder gets what the new list passes on.
ErrorCode WriteSecurity(const std::string& path, const std::string& sddl);

// The account this program runs as, in the "S-1-5-..." form; "" when it
// cannot be told.
std::string CurrentUserSid();

}  // namespace platform
