// Starting a program as the user at the desktop: the desktop's shell runs in
// that user's ordinary (not elevated) session, so a program it opens gets the
// user's rights, not the setup's. We reach it through the desktop window's
// folder view, whose automation object offers the shell's own ShellExecute.
#include <windows.h>

#include <shlobj.h>

#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>

#include "com_ref.h"
#include "platform/unelevated_start.h"
#include "text_to_wide.h"

namespace platform {
namespace {

using win32::ComRef;
using win32::TextToWide;

// A BSTR owned for the length of one call.
class OwnedBstr {
  public:
    explicit OwnedBstr(const std::string& text)
        : value_(::SysAllocString(TextToWide(text).c_str())) {}
    ~OwnedBstr() { ::SysFreeString(value_); }
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;
    BSTR get() const { return value_; }

  private:
    BSTR value_;
};

// A VARIANT holding a borrowed BSTR (the caller keeps it alive).
VARIANT StringVariant(const OwnedBstr& text) {
    VARIANT v;
    ZeroMemory(&v, sizeof(v));
    v.vt = VT_BSTR;
    v.bstrVal = text.get();
    return v;
}

// The desktop's shell automation object, or false when the session has no
// desktop shell window (a service session, a replacement shell, some
// emulation layers).
bool FindDesktopShell(ComRef<IShellDispatch2>* shell) {
    ComRef<IShellWindows> windows;
    if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER,
                                  IID_IShellWindows, windows.out()))) {
        return false;
    }
    VARIANT location;
    ZeroMemory(&location, sizeof(location));
    location.vt = VT_I4;
    location.lVal = CSIDL_DESKTOP;
    VARIANT root;
    ZeroMemory(&root, sizeof(root));
    long window = 0;
    ComRef<IDispatch> desktop;
    // S_FALSE means "no such window": only S_OK hands out an object.
    if (windows->FindWindowSW(&location, &root, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH,
                              desktop.typedOut()) != S_OK ||
        !desktop) {
        return false;
    }
    ComRef<IServiceProvider> provider;
    if (FAILED(desktop->QueryInterface(IID_IServiceProvider, provider.out()))) return false;
    ComRef<IShellBrowser> browser;
    if (FAILED(provider->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.out()))) {
        return false;
    }
    ComRef<IShellView> view;
    if (FAILED(browser->QueryActiveShellView(view.typedOut())) || !view) return false;
    ComRef<IDispatch> background;
    if (FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.out()))) {
        return false;
    }
    ComRef<IShellFolderViewDual> folderView;
    if (FAILED(background->QueryInterface(IID_IShellFolderViewDual, folderView.out()))) {
        return false;
    }
    ComRef<IDispatch> application;
    if (FAILED(folderView->get_Application(application.typedOut())) || !application) return false;
    return SUCCEEDED(application->QueryInterface(IID_IShellDispatch2, shell->out())) &&
           static_cast<bool>(*shell);
}

}  // namespace

bool ShellOpenAsDesktopUser(const std::string& file, const std::string& parameters,
                            const std::string& workingFolder, int showCommand) {
    ComRef<IShellDispatch2> shell;
    if (!FindDesktopShell(&shell)) return false;
    OwnedBstr fileText(file);
    OwnedBstr parametersText(parameters);
    OwnedBstr folderText(workingFolder);
    OwnedBstr verbText("open");
    if (fileText.get() == nullptr || parametersText.get() == nullptr ||
        folderText.get() == nullptr || verbText.get() == nullptr) {
        return false;
    }
    VARIANT show;
    ZeroMemory(&show, sizeof(show));
    show.vt = VT_I4;
    show.lVal = showCommand;
    return SUCCEEDED(shell->ShellExecute(fileText.get(), StringVariant(parametersText),
                                         StringVariant(folderText), StringVariant(verbText), show));
}

}  // namespace platform
