#include "security_descriptor.h"

#include "text_to_wide.h"

namespace platform {
namespace win32 {

ErrorCode CreateFolderLevel(const std::string& path, PSECURITY_DESCRIPTOR descriptor) {
    SECURITY_ATTRIBUTES attributes = {};
    attributes.nLength = sizeof(attributes);
    attributes.lpSecurityDescriptor = descriptor;
    return ::CreateDirectoryW(TextToWide(path).c_str(),
                              descriptor != nullptr ? &attributes : nullptr)
               ? kSuccess
               : static_cast<ErrorCode>(::GetLastError());
}

}  // namespace win32
}  // namespace platform
