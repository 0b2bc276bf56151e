#include "engine/uninstall_entry.h"

#include "engine/install_date.h"
#include "host/paths.h"
#include "host/registry_object.h"
#include "installation/installer_state.h"
#include "installation/product_file_list.h"

namespace {

UninstallValue Text(const char* name, const std::string& text) {
    return {name, UninstallValue::Kind::String, text, 0};
}

UninstallValue Number(const char* name, std::int32_t number) {
    return {name, UninstallValue::Kind::Integer, "", number};
}

}  // namespace

std::vector<UninstallValue> UninstallValues(const RegistrationTexts& texts) {
    const InstallerState& s = State();
    const std::string helpPage = s.WebAddress + "/" + s.ProductName + ".htm";

    std::vector<UninstallValue> values;
    values.push_back(Text("DisplayName", texts.displayText));
    // Quoted: the system runs this command line, and an unquoted path with a
    // blank in it ("C:\Program Files\...") would start "C:\Program.exe" if
    // such a file existed.
    values.push_back(Text("UninstallString", "\"" + s.ProgramFolder + kUninstallerFileName + "\""));
    values.push_back(Text("DisplayIcon", ProductProgramPath(s.ProgramFolder, s.ProductName)));
    values.push_back(Text("DisplayVersion", s.VersionText));
    if (s.VersionMajor != -1) values.push_back(Number("VersionMajor", s.VersionMajor));
    if (s.VersionMinor != -1) values.push_back(Number("VersionMinor", s.VersionMinor));
    values.push_back(Text("InstallLocation", RemoveTrailingBackslash(s.ProgramFolder)));
    values.push_back(Text("InstallDate", InstallDateText()));
    values.push_back(Text("Publisher", texts.publisher));
    values.push_back(Text("URLInfoAbout", s.WebAddress));
    values.push_back(Text("HelpLink", helpPage));
    values.push_back(Text("URLUpdateInfo", helpPage));
    values.push_back(Number("NoModify", 1));
    values.push_back(Number("NoRepair", 1));
    return values;
}

void WriteUninstallValue(Registry& reg, const UninstallValue& value) {
    if (value.kind == UninstallValue::Kind::Integer) {
        reg.WriteInteger(value.name, value.number);
    } else {
        reg.WriteString(value.name, value.text);
    }
}
