// A 64-bit Windows with the product installed as the setup leaves it: the 29
// files in the program folder, the Start-menu folder with its three shortcuts,
// an older English-mode Start-menu folder of the user's, the desktop shortcut,
// the uninstall entry in the 64-bit view and a stray copy in the 32-bit node.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fake_platform.h"

namespace fake {

constexpr const char* kInstalledFolder = "C:\\Program Files\\Norvelik\\";
constexpr const char* kCommonStartMenu = "C:\\ProgramData\\Start Menu\\Programs\\Норвелик\\";
constexpr const char* kUserStartMenu = "C:\\Users\\Lena\\Start Menu\\Programs\\Норвелик\\";
constexpr const char* kDesktopShortcut = "C:\\Users\\Public\\Desktop\\Норвелик.lnk";
constexpr const char* kNativeEntry =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";
constexpr const char* kStrayEntry =
    "HKLM\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";

// The id of the uninstaller the user started, its copy in a folder of the
// administrators' under the system's temporary folder, and the order it
// leaves there.
constexpr std::uint32_t kStarterProcess = 4660;
constexpr const char* kCopyFolder = "C:\\Windows\\Temp\\nvuninst4660\\";
constexpr const char* kTemporaryCopy = "C:\\Windows\\Temp\\nvuninst4660\\nvuninst.exe";
constexpr const char* kOrderFile = "C:\\Windows\\Temp\\nvuninst4660\\nvuninst.order";

// The 29 installed files' names, in the order of the product's list.
std::vector<std::string> InstalledFileNames();

// Saves a shortcut file through the fake shell, leading to `target`.
void PutShortcut(const std::string& linkFile, const std::string& target);

}  // namespace fake

class UninstallTest : public FakePlatformTest {
  protected:
    void SetUp() override;

    // The command line the uninstaller in the program folder gives its copy.
    static std::string CopyCommandLine();

    // Runs as the copy, the way the hand-over starts it: from its folder,
    // with its order beside it, started by the uninstaller in the program
    // folder (the copy and the order are put there first unless a run as
    // started made them).
    void RunAsCopy(const std::string& commandLine = CopyCommandLine());
    // Runs as the user starts it from the program folder; a copy it starts
    // takes its order at once, or never.
    void RunAsStarted(bool copyTakesOrder = true);

    // The one message box shown, or a failure when there was not exactly one.
    const fake::ShownBox& OnlyMessage() const;
};
