#include "installation_fixture.h"

#include <algorithm>

#include "engine/registration.h"
#include "host/common_unit.h"
#include "installation/installer_state.h"
#include "installation/product_identity.h"
#include "platform/files.h"

namespace fake {

FileSetDouble& FileSet() {
    static FileSetDouble fileSet;
    return fileSet;
}

namespace {

bool InstallFileSetDouble() {
    FileSetDouble& d = FileSet();
    const InstallerState& s = State();
    ++d.calls;
    d.fileListSeen = s.FileList;
    d.valueNamesSeen = Registry().ValueNamesInOrder(kProductKey);
    d.startMenuFolderExisted = Files().FolderExistsAt(s.StartMenuFolder);
    if (!d.result) return false;
    for (const std::string& name : d.notInstalled) {
        State().FilesNotInstalled.push_back(s.ProgramFolder + name);
    }
    if (!d.writesFiles) return true;
    Files().AddFile(s.ProgramFolder + s.ProductName + ".exe", std::string(3000, 'x'));
    Files().AddFile(s.ProgramFolder + "uninstall.exe", std::string(2000, 'u'));
    return true;
}

}  // namespace
}  // namespace fake

void InstallationTest::SetUp() {
    FakePlatformTest::SetUp();
    fake::FileSet().Reset();
    SetFileSetInstaller(&fake::InstallFileSetDouble);

    WriteProductIdentity();
    InstallerState& s = State();
    StartRegistry(0xF013F);  // KEY_ALL_ACCESS | KEY_WOW64_64KEY

    s.IsAdmin = true;
    s.ProgramFolder = "C:\\Program Files\\Norvelik\\";
    s.ProgramsFolder = "C:\\Users\\Lena\\Start Menu\\Programs\\";
    s.CommonProgramsFolder = "C:\\ProgramData\\Start Menu\\Programs\\";
    s.CommonDesktopFolder = "C:\\Users\\Public\\Desktop\\";
    s.StartMenuFolder = s.CommonProgramsFolder + s.ShortTitleRu + "\\";
    s.UserStartMenuFolderRu = s.ProgramsFolder + s.ShortTitleRu + "\\";
    s.UserStartMenuFolderEn = s.ProgramsFolder + s.ShortTitleEn + "\\";
    s.UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

    fake::Files().AddFolder(s.ProgramFolder);
    fake::Files().AddFolder(s.ProgramsFolder);
    fake::Files().AddFolder(s.CommonProgramsFolder);
    fake::Files().AddFolder(s.CommonDesktopFolder);
    fake::Files().AddFolder("C:\\Setup");
    fake::Files().workingFolder = "C:\\Setup\\";
}

void InstallationTest::TearDown() {
    SetFileSetInstaller(nullptr);
    StopRegistry();
    FakePlatformTest::TearDown();
}
