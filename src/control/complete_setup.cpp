#include "control/complete_setup.h"

#include <cstdint>
#include <string>

#include "engine/registration.h"
#include "host/common_unit.h"
#include "host/message_boxes.h"
#include "host/registry_object.h"
#include "installation/installed_paths.h"
#include "installation/installer_state.h"
#include "installation/product_file_list.h"
#include "installation/running_product.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/shell.h"
#include "platform/unelevated_start.h"

namespace {

constexpr std::uint32_t kFinalMessageStyle =
    platform::kMbTopmost | platform::kMbTaskModal | platform::kMbIconInformation;

// ASFW_ANY: every process may take the foreground.
constexpr std::uint32_t kAnyProcess = 0xFFFFFFFF;

// The product needs a moment to start; these bound how long we wait for its
// marker and then for its window (about 4 and 11 seconds).
constexpr int kMarkerTests = 8;
constexpr std::uint32_t kMarkerPauseMs = 512;
constexpr int kWindowSearches = 11;
constexpr std::uint32_t kWindowPauseMs = 1024;

// Russian in both modes: the product itself speaks only Russian. The desktop
// sentence appears only where the registration saved the desktop shortcut.
std::string BuildFinalMessage(const InstallerState& s) {
    std::string text =
        "На Ваш компьютер установлена программа \"" + s.ShortTitleRu + "\" " + s.VersionText + ".";
    if (s.CreateDesktopIcon && s.DesktopShortcutSaved) {
        text +=
            "\r\n\r\nНа \"Рабочий стол\" помещён ярлык программы,\r\n"
            "который Вы можете без вреда удалить или переместить.";
    }
    return text;
}

// Instead of the success sentence when files of the product stayed out:
// which, and what the user can do about it. The registration stays, so that
// the uninstaller and a later setup work as for any installation.
void ReportIncompleteInstallation(const InstallerState& s) {
    std::string files;
    for (const std::string& path : s.FilesNotInstalled) files += path + "\r\n";
    const std::string product = "\"" + s.ShortTitleRu + "\" " + s.VersionText;
    ShowInCurrentMode(product +
                          " has not been installed completely: these of its files could "
                          "not be installed:\r\n" +
                          files + "Close the programs that use them and run the setup again.",
                      "Программа " + product +
                          " установлена не полностью: не удалось установить эти её "
                          "файлы:\r\n" +
                          files +
                          "Закройте программы, которые их используют, и запустите "
                          "установку ещё раз.",
                      kWarningBoxStyle);
}

// Whether the product's own executable is the new one.
bool ProgramInstalled(const InstallerState& s) {
    const std::string program = ProductProgramPath(s.ProgramFolder, s.ProductName);
    for (const std::string& path : s.FilesNotInstalled) {
        if (SameFilePath(path, program)) return false;
    }
    return true;
}

bool WaitForRunningMarker() {
    for (int i = 0; i < kMarkerTests; ++i) {
        platform::SleepMs(kMarkerPauseMs);
        if (IsAppRunning()) return true;
    }
    return false;
}

platform::WindowHandle WaitForMainWindow() {
    for (int i = 0; i < kWindowSearches; ++i) {
        platform::SleepMs(kWindowPauseMs);
        const platform::WindowHandle window = platform::FindTopLevelWindow(kMainFormClassName);
        if (window != platform::kNoWindow) return window;
    }
    return platform::kNoWindow;
}

}  // namespace

void RunInstalledProgram() {
    const InstallerState& s = State();
    platform::SetWorkingFolder(s.ProgramFolder);
    // Whoever ends up starting the product, its window may come to the front.
    platform::AllowForegroundFor(kAnyProcess);
    const std::string program = ProductProgramPath(s.ProgramFolder, s.ProductName);
    // The setup runs elevated; the product should run as the user who sits at
    // the desktop, so the desktop's shell starts it where there is one. The
    // shell works in its own folder, so it is told the program folder.
    if (platform::ShellOpenAsDesktopUser(program, "", s.ProgramFolder, platform::kSwShowNormal)) {
        return;
    }
    // An empty working folder: the one just set applies.
    platform::ShellOpen(program, "", "", platform::kSwShowNormal);
}

void CompleteSetup() {
    InstallerState& s = State();
    if (!s.InstallConfirmed) return;
    if (HasReg()) Reg().CloseKey();
    s.FileList = ProductFileList(s.ProductName);
    if (!InstallAndRegister(s.CreateDesktopIcon)) return;

    if (s.FilesNotInstalled.empty()) {
        platform::ShowMessageBoxEx(BuildFinalMessage(s), s.ShortTitleRu, kFinalMessageStyle,
                                   platform::kLangRussian);
    } else {
        ReportIncompleteInstallation(s);
    }
    // An earlier copy of the program, or none, is not what was asked to start.
    if (!s.RunAfterInstall || !ProgramInstalled(s)) return;

    RunInstalledProgram();
    if (!WaitForRunningMarker()) return;
    const platform::WindowHandle window = WaitForMainWindow();
    if (window == platform::kNoWindow) return;
    platform::ShowWindowAs(window, platform::kSwShowNormal);
    platform::BringToForeground(window);
}
