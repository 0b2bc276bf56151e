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
    Released() = default;
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;
    ~Released() {
        if (p) p->Release();
    }
};

// A shell link object with its file interface.
struct LinkObject {
    Released<IShellLinkA> link;
    Released<IPersistFile> file;

    LinkObject() {
        // COM stays initialised for the rest of the run: later links reuse it.
        static HRESULT com = CoInitialize(nullptr);
        (void)com;
        if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    reinterpret_cast<void**>(&link.p))))
            throw Failure("no shell link object");
        if (FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))))
            throw Failure("the shell link has no IPersistFile");
    }
};

// The file name is ANSI in the code page of this process, as the writer's was.
std::wstring WidePath(const std::string& path) {
    int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], n);
    return wide;
}

// The show command as the file stores it: the dword at offset 60 of the
// 76-byte header. Wine's link object answers 1 after a load whatever the file
// holds, so asking it would hide a wrong value.
int HeaderShowCommand(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw Failure("cannot read " + Quoted(path));
    unsigned char header[76] = {};
    DWORD got = 0;
    ReadFile(file, header, sizeof header, &got, nullptr);
    CloseHandle(file);
    if (got != sizeof header || header[0] != 76)
        throw Failure(Quoted(path) + " has no link header");
    return header[60] | header[61] << 8 | header[62] << 16 | header[63] << 24;
}

LinkFields LoadLink(const std::string& path) {
    LinkObject object;
    Released<IShellLinkA>& link = object.link;
    HRESULT loaded = object.file.p->Load(WidePath(path).c_str(), STGM_READ);
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
    fields.showCommand = HeaderShowCommand(path);
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

// make_shortcut PATH target=T [arguments=] [folder=] [description=] [icon=] [icon_index=] [show=]
// Prepares a shortcut as an earlier installation would have left it.
void MakeShortcut(Context&, const Command& cmd) {
    cmd.ExpectArgs(1, 1);
    if (!cmd.Has("target")) throw ScriptError("make_shortcut needs target=");
    LinkObject object;
    IShellLinkA* link = object.link.p;
    link->SetPath(cmd.Opt("target").c_str());
    link->SetArguments(cmd.Opt("arguments").c_str());
    link->SetWorkingDirectory(cmd.Opt("folder").c_str());
    link->SetDescription(cmd.Opt("description").c_str());
    if (cmd.Has("icon"))
        link->SetIconLocation(cmd.Opt("icon").c_str(), int(cmd.IntOpt("icon_index", 0)));
    link->SetShowCmd(int(cmd.IntOpt("show", SW_SHOWNORMAL)));
    HRESULT saved = object.file.p->Save(WidePath(cmd.Arg(0)).c_str(), TRUE);
    if (FAILED(saved))
        throw Failure("cannot save " + Quoted(cmd.Arg(0)) + ", HRESULT " +
                      std::to_string(long(saved)));
}

}  // namespace

void AddShortcutCommands(CommandTable& table) {
    table["shortcut"] = {Shortcut,
                         "PATH [target=] [arguments=] [folder=] [description=] [icon=] "
                         "[icon_index=] [show=]"};
    table["make_shortcut"] = {MakeShortcut,
                              "PATH target=T [arguments=] [folder=] [description=] [icon=] "
                              "[icon_index=] [show=]"};
}

}  // namespace nv
