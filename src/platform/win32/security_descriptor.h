// Security descriptors the system allocates (from their text form, SDDL, or
// as a call's answer), owned until they go, and the one way the Win32 side
// makes a folder with a descriptor of its own.
#pragma once

#include <windows.h>

#include <sddl.h>

#include <string>

#include "platform/error_codes.h"

namespace platform {
namespace win32 {

// A descriptor the system allocated, freed with LocalFree.
class LocalDescriptor {
  public:
    LocalDescriptor() = default;
    ~LocalDescriptor() {
        if (descriptor_ != nullptr) ::LocalFree(descriptor_);
    }
    LocalDescriptor(const LocalDescriptor&) = delete;
    LocalDescriptor& operator=(const LocalDescriptor&) = delete;

    // Makes the descriptor `sddl` spells; false, the reason in GetLastError,
    // when it spells none.
    bool FromSddl(const std::wstring& sddl) {
        return ::ConvertStringSecurityDescriptorToSecurityDescriptorW(
                   sddl.c_str(), SDDL_REVISION_1, &descriptor_, nullptr) != FALSE;
    }
    // Where a call that allocates a descriptor puts it.
    PSECURITY_DESCRIPTOR* Receive() { return &descriptor_; }
    // nullptr while there is none.
    PSECURITY_DESCRIPTOR get() const { return descriptor_; }

  private:
    PSECURITY_DESCRIPTOR descriptor_ = nullptr;
};

// Creates one folder level: with `descriptor`, or with what the folder above
// passes on when it is nullptr.
ErrorCode CreateFolderLevel(const std::string& path, PSECURITY_DESCRIPTOR descriptor);

}  // namespace win32
}  // namespace platform
