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

// The id of the uninstaller the user started, and its copy in the temporary folder.
constexpr std::uint32_t kStarterProcess = 4660;
constexpr const char* kTemporaryCopy = "C:\\Temp\\nvuninst4660.exe";

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

    // Runs as the copy in the temporary folder, the way the hand-over starts it
    // (the copy is put there first unless a run as started made it).
    void RunAsCopy();
    // Runs as the user starts it from the program folder.
    void RunAsStarted();

    // The one message box shown, or a failure when there was not exactly one.
    const fake::ShownBox& OnlyMessage() const;
};
