#include <windows.h>

#include "platform/message_box.h"
#include "text_to_wide.h"

namespace platform {

static_assert(kMbYesNo == MB_YESNO && kMbIconError == MB_ICONERROR &&
              kMbIconQuestion == MB_ICONQUESTION && kMbIconWarning == MB_ICONWARNING &&
              kMbIconInformation == MB_ICONINFORMATION && kMbTaskModal == MB_TASKMODAL &&
              kMbTopmost == MB_TOPMOST && kMbServiceNotification == MB_SERVICE_NOTIFICATION);
static_assert(kIdOk == IDOK && kIdCancel == IDCANCEL && kIdYes == IDYES && kIdNo == IDNO);

int ShowMessageBox(const std::string& text, const std::string& caption, std::uint32_t style) {
    return ::MessageBoxW(nullptr, win32::TextToWide(text).c_str(),
                         win32::TextToWide(caption).c_str(), style);
}

int ShowMessageBoxEx(const std::string& text, const std::string& caption, std::uint32_t style,
                     std::uint16_t language) {
    return ::MessageBoxExW(nullptr, win32::TextToWide(text).c_str(),
                           win32::TextToWide(caption).c_str(), style, language);
}

}  // namespace platform
