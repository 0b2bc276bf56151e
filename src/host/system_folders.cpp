#include "host/system_folders.h"

#include "host/common_unit.h"
#include "host/message_boxes.h"
#include "host/paths.h"
#include "host/registry_object.h"
#include "installation/installed_paths.h"
#include "installation/installer_state.h"
#include "platform/system_info.h"

namespace {

constexpr std::uint32_t kPlatformNt = 2;

std::string ShellFoldersKey() { return std::string(CurrentVersionKey) + "Explorer\\Shell Folders"; }

bool IsNtPlatform() {
    platform::VersionRecord version;
    return platform::QueryVersion(false, &version) && version.platformId == kPlatformNt;
}

// The value of `name` in the open key, or "" when it does not exist.
std::string StringIfPresent(const Registry& reg, const char* name) {
    return reg.ValueExists(name) ? reg.ReadString(name) : std::string();
}

std::string ReadProgramFilesFolder(Registry& reg) {
    const RegistryKeyScope key(reg, platform::RegRoot::LocalMachine, CurrentVersionKey, false);
    std::string folder = StringIfPresent(reg, "ProgramFilesDir");
    AddTrailingBackslash(folder);
    return folder;
}

void ReadAllUsersFolders(Registry& reg, InstallerState& s) {
    const RegistryKeyScope key(reg, platform::RegRoot::LocalMachine, ShellFoldersKey(), false);
    s.CommonDesktopFolder = StringIfPresent(reg, "Common Desktop");
    AddTrailingBackslash(s.CommonDesktopFolder);
    // The 9x family keeps no all-users Start menu.
    s.CommonProgramsFolder.clear();
    if (IsNtPlatform()) {
        if (reg.ValueExists("Common Programs"))
            s.CommonProgramsFolder = reg.ReadString("Common Programs");
        AddTrailingBackslash(s.CommonProgramsFolder);
    }
}

// False when the user's own registry part could not be read.
bool ReadPerUserFolders(Registry& reg, InstallerState& s) {
    try {
        const RegistryKeyScope key(reg, platform::RegRoot::CurrentUser, ShellFoldersKey(), false);
        s.ProgramsFolder.clear();
        if (reg.ValueExists("Programs")) s.ProgramsFolder = reg.ReadString("Programs");
        AddTrailingBackslash(s.ProgramsFolder);
        return true;
    } catch (const RegistryError&) {
        return false;
    }
}

// The folder of the product's registered uninstaller below `uninstallKey`;
// false when none is registered there or its value names no folder. An entry
// that is a registry link does not open, so no folder is taken from the key
// it leads to, nor is the link later deleted as the 32-bit node's copy.
bool FindEarlierInstallation(Registry& reg, const std::string& uninstallKey,
                             const std::string& productName, std::string* folder) {
    const RegistryKeyScope key(reg, platform::RegRoot::LocalMachine, uninstallKey + productName,
                               false);
    if (!reg.ValueExists("UninstallString")) return false;
    return FolderOfUninstallString(reg.ReadString("UninstallString"), folder);
}

}  // namespace

bool FolderOfUninstallString(const std::string& uninstallString, std::string* folder) {
    std::string path = uninstallString;
    if (!path.empty() && path.front() == '"') {
        const std::size_t closing = path.find('"', 1);
        path = path.substr(1, closing == std::string::npos ? std::string::npos : closing - 1);
    }
    // The final character is never the folder's end: "D:\Apps\Old\" gives "D:\Apps\".
    if (path.size() < 2) return false;
    const std::size_t slash = path.rfind('\\', path.size() - 2);
    if (slash == std::string::npos) return false;
    *folder = path.substr(0, slash + 1);
    return true;
}

bool ReadSystemFolders() {
    InstallerState& s = State();
    Registry& reg = Reg();

    const std::string programFiles = ReadProgramFilesFolder(reg);
    s.IsAdmin = platform::IsUserAnAdmin();
    ReadAllUsersFolders(reg, s);
    if (!ReadPerUserFolders(reg, s)) {
        ErrorBox("No access to system registry", "Нет доступа к системному реестру");
        return false;
    }

    s.UninstallKey = std::string(CurrentVersionKey) + "Uninstall\\";

    // Without an all-users Start menu the product's folder goes into the user's.
    if (s.CommonProgramsFolder.size() < 2) s.CommonProgramsFolder = s.ProgramsFolder;
    s.StartMenuFolder =
        s.CommonProgramsFolder + (s.IsRussian ? s.ShortTitleRu : s.ShortTitleEn) + "\\";
    // Without a folder of the user's own (none set, or a name the code page
    // cannot hold) there are no per-user Start-menu folders to renew.
    s.UserStartMenuFolderRu.clear();
    s.UserStartMenuFolderEn.clear();
    if (!s.ProgramsFolder.empty()) {
        s.UserStartMenuFolderRu = s.ProgramsFolder + s.ShortTitleRu + "\\";
        s.UserStartMenuFolderEn = s.ProgramsFolder + s.ShortTitleEn + "\\";
    }

    s.ProgramFolder = programFiles + s.ProductName;

    // An earlier installation is replaced in place. A 32-bit installer of the
    // past may have registered it in the 32-bit node only; registration later
    // removes that copy.
    s.Wow64UninstallKey.clear();
    std::string earlierFolder;
    if (FindEarlierInstallation(reg, s.UninstallKey, s.ProductName, &earlierFolder)) {
        s.ProgramFolder = earlierFolder;
    } else {
        const std::string uninstallKey32 = In32BitRegistryNode(s.UninstallKey);
        if (FindEarlierInstallation(reg, uninstallKey32, s.ProductName, &earlierFolder)) {
            s.ProgramFolder = earlierFolder;
            s.Wow64UninstallKey = uninstallKey32 + s.ProductName;
        }
    }

    AddTrailingBackslash(s.ProgramFolder);
    return true;
}
