// A machine ready for the installation: the product identity and the folders
// of a 64-bit Windows in the installer state, the registry object of the run
// (64-bit view, Reg of host/common_unit.h), and a double in place of the
// file-set installer.
#pragma once

#include <string>
#include <vector>

#include "fake_platform.h"
#include "host/registry_object.h"

namespace fake {

// The product's uninstall key in the 64-bit view and under the 32-bit node, as
// regedit shows them.
constexpr const char* kProductKey =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";
constexpr const char* kWow64ProductKey =
    "HKLM\\Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Norvelik";

// Stands in for the file-set installer: writes the product and its
// uninstaller into the program folder (5000 bytes in all, 4 KB) and answers
// as told. It notes what the registration had done when it was called.
struct FileSetDouble {
    bool result = true;
    bool writesFiles = true;
    int calls = 0;
    std::string fileListSeen;
    std::vector<std::string> valueNamesSeen;  // of the product's uninstall key
    bool startMenuFolderExisted = false;
    // The files it reports as not installed, by name in the program folder.
    std::vector<std::string> notInstalled;

    void Reset() { *this = FileSetDouble{}; }
};

FileSetDouble& FileSet();

}  // namespace fake

class InstallationTest : public FakePlatformTest {
  protected:
    void SetUp() override;
    void TearDown() override;
};
