#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include "platform/security.h"
#include "security_descriptor.h"
#include "text_to_wide.h"

namespace platform {

namespace {

std::string Narrow(const wchar_t* text) { return win32::WideToText(text); }

}  // namespace

ErrorCode ReadSecurity(const std::string& path, std::string* sddl) {
    constexpr SECURITY_INFORMATION kWhat = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    std::wstring wide = win32::TextToWide(path);
    win32::LocalDescriptor descriptor;
    const DWORD e = ::GetNamedSecurityInfoW(&wide[0], SE_FILE_OBJECT, kWhat, nullptr, nullptr,
                                            nullptr, nullptr, descriptor.Receive());
    if (e != ERROR_SUCCESS) return e;
    LPWSTR text = nullptr;
    if (!::ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.get(), SDDL_REVISION_1,
                                                                kWhat, &text, nullptr)) {
        return ::GetLastError();
    }
    *sddl = Narrow(text);
    ::LocalFree(text);
    return kSuccess;
}

ErrorCode WriteSecurity(const std::string& path, const std::string& sddl) {
    win32::LocalDescriptor descriptor;
    if (!descriptor.FromSddl(win32::TextToWide(sddl))) return ::GetLastError();
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL dacl = nullptr;
    PSID owner = nullptr;
    if (!::GetSecurityDescriptorDacl(descriptor.get(), &present, &dacl, &defaulted) || !present ||
        !::GetSecurityDescriptorOwner(descriptor.get(), &owner, &defaulted)) {
        return kErrorInvalidParameter;
    }
    SECURITY_INFORMATION what = DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION;
    if (owner != nullptr) what |= OWNER_SECURITY_INFORMATION;
    std::wstring wide = win32::TextToWide(path);
    return ::SetNamedSecurityInfoW(&wide[0], SE_FILE_OBJECT, what, owner, nullptr, dacl, nullptr);
}

std::string CurrentUserSid() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return std::string();
    union {
        TOKEN_USER user;
        BYTE bytes[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    } buffer;
    DWORD size = 0;
    const BOOL read = ::GetTokenInformation(token, TokenUser, &buffer, sizeof(buffer), &size);
    ::CloseHandle(token);
    LPWSTR text = nullptr;
    if (!read || !::ConvertSidToStringSidW(buffer.user.User.Sid, &text)) return std::string();
    const std::string sid = Narrow(text);
    ::LocalFree(text);
    return sid;
}

}  // namespace platform
