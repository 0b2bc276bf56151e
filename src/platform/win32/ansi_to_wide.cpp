#include "ansi_to_wide.h"

#include <windows.h>

namespace platform {
namespace win32 {

std::wstring AnsiToWide(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int inLength = static_cast<int>(text.size());
    int outLength = ::MultiByteToWideChar(CP_ACP, 0, text.data(), inLength, nullptr, 0);
    if (outLength <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(outLength), L'\0');
    outLength = ::MultiByteToWideChar(CP_ACP, 0, text.data(), inLength, &wide[0], outLength);
    wide.resize(outLength > 0 ? static_cast<std::size_t>(outLength) : 0);
    return wide;
}

}  // namespace win32
}  // namespace platform
