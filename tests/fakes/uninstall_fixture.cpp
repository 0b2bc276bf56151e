#include "uninstall_fixture.h"

#include <algorithm>

#include "host/windows_version.h"
#include "installation/file_list.h"
#include "installation/product_file_list.h"
#include "platform/files.h"
#include "platform/shell.h"
#include "uninstall/uninstall_sequence.h"

namespace fake {

std::vector<std::string> InstalledFileNames() {
    return FileListEntries(ProductFileList("Norvelik"));
}

void PutShortcut(const std::string& linkFile, const std::string& target) {
    platform::ShellLinkSpec link;
    link.target = target;
    link.linkFile = linkFile;
    Files().AddFolder(linkFile.substr(0, linkFile.rfind('\\')));
    EXPECT_TRUE(platform::SaveShellLink(link)) << linkFile;
}

namespace {

const char kMachineShellFolders[] =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

void Machine() {
    FakeRegistry& r = Registry();
    r.SetString("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                "C:\\Program Files");
    r.SetString(kMachineShellFolders, "Common Desktop", "C:\\Users\\Public\\Desktop");
    r.SetString(kMachineShellFolders, "Common Programs", "C:\\ProgramData\\Start Menu\\Programs");
    r.SetString("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                "Programs", "C:\\Users\\Lena\\Start Menu\\Programs");
    Files().AddFolder("C:\\Users\\Public\\Desktop");
    Files().AddFolder("C:\\Windows\\Temp");
}

void InstalledProduct() {
    const std::string folder = kInstalledFolder;
    for (const std::string& name : InstalledFileNames()) Files().AddFile(folder + name, name);
    const std::string program = folder + "Norvelik.exe";
    PutShortcut(std::string(kCommonStartMenu) + "Норвелик.lnk", program);
    PutShortcut(std::string(kCommonStartMenu) + "Удаление программы.lnk", folder + "Uninstall.exe");
    Files().AddFile(std::string(kCommonStartMenu) + "Интернет-сайт программы.url",
                    "[InternetShortcut]\r\nURL=https://norvelik.ru\r\n");
    // An English-mode installation of old left its own spellings per user.
    PutShortcut(std::string(kUserStartMenu) + "Норвелик.lnk", program);
    PutShortcut(std::string(kUserStartMenu) + "Uninstall the program.lnk",
                folder + "Uninstall.exe");
    Files().AddFile(std::string(kUserStartMenu) + "Program's website.url", "[InternetShortcut]");
    PutShortcut(kDesktopShortcut, program);

    for (const char* key : {kNativeEntry, kStrayEntry}) {
        Registry().SetString(key, "DisplayName", "Норвелик");
        Registry().SetString(key, "UninstallString", folder + "uninstall.exe");
    }
}

}  // namespace
}  // namespace fake

void UninstallTest::SetUp() {
    FakePlatformTest::SetUp();
    ResetIsWin64();
    fake::Machine();
    fake::InstalledProduct();
}

std::string UninstallTest::CopyCommandLine() {
    return "/remove-from \"C:\\Program Files\\Norvelik\" /after " +
           std::to_string(fake::kStarterProcess);
}

void UninstallTest::RunAsCopy(const std::string& commandLine) {
    if (!fake::Files().HasFile(fake::kTemporaryCopy)) {
        fake::Files().AddFile(fake::kTemporaryCopy, "uninstall.exe");
    }
    if (!fake::Files().HasFile(fake::kOrderFile)) {
        fake::Files().AddFile(fake::kOrderFile, CopyCommandLine());
    }
    fake::FakeSelfRemoval& self = fake::SelfRemoval();
    self.ownPath = fake::kTemporaryCopy;
    self.processId = 0x5678;
    self.parentId = fake::kStarterProcess;
    self.parentExecutable = std::string(fake::kInstalledFolder) + "uninstall.exe";
    EXPECT_EQ(RunUninstall(commandLine), 0);
}

void UninstallTest::RunAsStarted(bool copyTakesOrder) {
    fake::FakeSelfRemoval& self = fake::SelfRemoval();
    self.ownPath = std::string(fake::kInstalledFolder) + "uninstall.exe";
    self.processId = fake::kStarterProcess;
    self.onStart = [copyTakesOrder](const fake::StartedProcess& started) {
        if (!copyTakesOrder) return;
        const std::string order = started.workingFolder + "nvuninst.order";
        EXPECT_EQ(fake::Files().Bytes(order), started.arguments) << "the order beside the copy";
        fake::Files().Delete(order);
    };
    EXPECT_EQ(RunUninstall(""), 0);
    self.onStart = nullptr;
}

const fake::ShownBox& UninstallTest::OnlyMessage() const {
    static const fake::ShownBox none;
    const auto& shown = fake::MessageBoxes().shown;
    EXPECT_EQ(shown.size(), 1u);
    return shown.empty() ? none : shown.back();
}
