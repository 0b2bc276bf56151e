// ErrorBox and WarningBox: bilingual messages shown in the current mode.
#include "control/installer_state.h"
#include "host/common_unit.h"
#include "platform/message_box.h"

namespace {

void ShowInCurrentMode(const std::string& englishText, const std::string& russianText,
                       std::uint32_t style) {
    const InstallerState& s = State();
    if (s.IsRussian) {
        platform::ShowMessageBoxEx(russianText, s.ShortTitleRu, style, platform::kLangRussian);
    } else {
        platform::ShowMessageBox(englishText, s.ShortTitleEn, style);
    }
}

}  // namespace

void ErrorBox(const std::string& englishText, const std::string& russianText) {
    ShowInCurrentMode(englishText, russianText, kErrorBoxStyle);
}

void WarningBox(const std::string& englishText, const std::string& russianText) {
    ShowInCurrentMode(englishText, russianText, kWarningBoxStyle);
}
