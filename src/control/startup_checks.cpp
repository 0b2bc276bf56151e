#include "control/startup_checks.h"

#include <cstdint>
#include <string>

#include "host/message_boxes.h"
#include "host/system_folders.h"
#include "installation/installer_state.h"
#include "installation/running_product.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace {

// Time the product gets to react to WM_QUIT; the setup does not check it quit.
constexpr std::uint32_t kQuitGraceMs = 512;
constexpr std::uint32_t kQuestionStyle =
    platform::kMbYesNo | platform::kMbIconQuestion | platform::kMbTaskModal;

// Asks a running product to quit and gives it a moment.
void AskRunningProductToQuit() {
    AskProductToQuit();
    platform::SleepMs(kQuitGraceMs);
}

// The product speaks only Russian: a user outside the Cyrillic locales is
// asked, with one line in Russian as the test, whether to go on.
bool UserReadsRussian() {
    const std::string text =
        "The " + State().ShortTitleEn +
        " is a Russian-language program.\r\nCan you read the following line?\r\n"
        "Это русскоязычная программа. Желаете продолжить установку?\r\n"
        "To ensure correct representation of Russian messages you may set Russian language "
        "for non-Unicode programs in Regional Options of the Control Panel.\r\n"
        "Would you like to continue installation of the program?";
    const int answer =
        platform::ShowMessageBoxEx(text, "Russian is not basic language on your computer!",
                                   kQuestionStyle, platform::kLangRussian);
    return answer == platform::kIdYes;
}

}  // namespace

bool StartupChecks() {
    if (!ReadSystemFolders()) return false;
    if (!State().IsAdmin) {
        ErrorBox("You have no right to install applications!",
                 "У Вас нет права устанавливать программы!");
        return false;
    }
    if (IsAppRunning()) AskRunningProductToQuit();
    if (State().IsRussian) return true;
    return UserReadsRussian();
}
