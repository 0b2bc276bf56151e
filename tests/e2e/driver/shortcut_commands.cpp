// Reading shortcut files (.lnk) through the shell's own link object, the way
// Explorer will read what the setup program wrote.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "context.h"
#include "text.h"

namespace nv {
namespace {

struct LinkFields {
    std::string target, arguments, folder, description, iconPath;
    int iconIndex = 0;
    int showCommand = 0;
};

template <typename T>
struct Released {
    T* p = nullptr;
    ~Released() {
        if (p) p->Release();
    }
};

LinkFields LoadLink(const std::string& path) {
    // COM stays initialised for the rest of the run: later loads reuse it.
    static HRESULT com = CoInitialize(nullptr);
    (void)com;
    Released<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link.p))))
        throw Failure("no shell link object");
    Released<IPersistFile> file;
    if (FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))))
        throw Failure("the shell link has no IPersistFile");
    // The file name is ANSI in the code page of this process, as the writer's was.
    int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], n);
    HRESULT loaded = file.p->Load(wide.c_str(), STGM_READ);
    if (FAILED(loaded))
        throw Failure("cannot load " + Quoted(path) + ", HRESULT " + std::to_string(long(loaded)));

    LinkFields fields;
    char buffer[MAX_PATH * 4];
    WIN32_FIND_DATAA found;
    auto text = [&buffer]() { return std::string(buffer); };
    buffer[0] = 0;
    link.p->GetPath(buffer, sizeof buffer, &found, SLGP_RAWPATH);
    fields.target = text();
    buffer[0] = 0;
    link.p->GetArguments(buffer, sizeof buffer);
    fields.arguments = text();
    buffer[0] = 0;
    link.p->GetWorkingDirectory(buffer, sizeof buffer);
    fields.folder = text();
    buffer[0] = 0;
    link.p->GetDescription(buffer, sizeof buffer);
    fields.description = text();
    buffer[0] = 0;
    link.p->GetIconLocation(buffer, sizeof buffer, &fields.iconIndex);
    fields.iconPath = text();
    link.p->GetShowCmd(&fields.showCommand);
    return fields;
}

// shortcut PATH [target=] [arguments=] [folder=] [description=] [icon=] [icon_index=] [show=]
// Prints every field; checks the ones given.
void Shortcut(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    LinkFields link = LoadLink(cmd.Arg(0));
    const std::pair<const char*, std::string> fields[] = {
        {"target", link.target},
        {"arguments", link.arguments},
        {"folder", link.folder},
        {"description", link.description},
        {"icon", link.iconPath},
        {"icon_index", std::to_string(link.iconIndex)},
        {"show", std::to_string(link.showCommand)}};
    std::string mismatches;
    for (const auto& field : fields) {
        Log("  " + std::string(field.first) + "=" + Quoted(field.second));
        if (cmd.Has(field.first) && cmd.Opt(field.first) != field.second)
            mismatches +=
                std::string(" ") + field.first + " (expected " + Quoted(cmd.Opt(field.first)) + ")";
    }
    if (!mismatches.empty()) throw Failure("shortcut fields differ:" + mismatches);
}

}  // namespace

void AddShortcutCommands(CommandTable& table) {
    table["shortcut"] = {Shortcut,
                         "PATH [target=] [arguments=] [folder=] [description=] [icon=] "
                         "[icon_index=] [show=]"};
}

}  // namespace nv
