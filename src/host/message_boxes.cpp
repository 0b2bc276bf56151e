#include "host/message_boxes.h"

#include "installation/installer_state.h"
#include "platform/message_box.h"
#include "platform/text_code_page.h"

int ShowInCurrentMode(const std::string& englishText, const std::string& russianText,
                      std::uint32_t style, const std::string& englishCaption,
                      const std::string& russianCaption) {
    if (State().IsRussian) {
        return platform::ShowMessageBoxEx(russianText, russianCaption, style,
                                          platform::kLangRussian);
    }
    return platform::ShowMessageBox(englishText, englishCaption, style);
}

int ShowInCurrentMode(const std::string& englishText, const std::string& russianText,
                      std::uint32_t style) {
    const InstallerState& s = State();
    return ShowInCurrentMode(englishText, russianText, style, s.ShortTitleEn, s.ShortTitleRu);
}

void ErrorBox(const std::string& englishText, const std::string& russianText) {
    ShowInCurrentMode(platform::FromProgramText(englishText),
                      platform::FromProgramText(russianText), kErrorBoxStyle);
}

void WarningBox(const std::string& englishText, const std::string& russianText) {
    ShowInCurrentMode(platform::FromProgramText(englishText),
                      platform::FromProgramText(russianText), kWarningBoxStyle);
}
