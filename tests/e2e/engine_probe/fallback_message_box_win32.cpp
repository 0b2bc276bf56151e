// Message boxes for the probe while the platform layer of this tree has no
// Win32 implementation of them yet (left out of the build once it has one).
#include <windows.h>

#include "platform/message_box.h"

namespace platform {

int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style);
}

int ShowMessageBoxEx(const std::string& text, const std::string& caption, std::uint32_t style,
                     std::uint16_t language) {
    return MessageBoxExA(nullptr, text.c_str(), caption.c_str(), style, language);
}

}  // namespace platform
