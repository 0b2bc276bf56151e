#include "control/startup_checks.h"

#include <cstdint>
#include <string>

#include "control/installer_state.h"
#include "control/product_identity.h"
#include "host/common_unit.h"
#include "host/system_folders.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/processes.h"

namespace {

constexpr std::uint32_t kMarkerSize = 64;
// Time the product gets to react to WM_QUIT; the setup does not check it quit.
constexpr std::uint32_t kQuitGraceMs = 512;
constexpr std::uint32_t kQuestionStyle = 0x2024;  // MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL

// Asks a running product to quit and gives it a moment.
void AskRunningProductToQuit() {
    const platform::WindowHandle window = platform::FindTopLevelWindow(kMainFormClassName);
    if (window != platform::kNoWindow) platform::PostWindowMessage(window, platform::kWmQuit, 0, 0);
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
    WriteProductIdentity();
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

bool IsAppRunning() {
    return platform::ProbeNamedMapping(kRunningMarkerName, kMarkerSize) ==
           platform::kErrorAlreadyExists;
}
