#include "common_controls.h"

namespace platform {
namespace win32 {
namespace comctl {

namespace {

struct Calls {
    void(WINAPI* init)();
    BOOL(WINAPI* initEx)(const INITCOMMONCONTROLSEX*);
    HIMAGELIST(WINAPI* listCreate)(int, int, UINT, int, int);
    int(WINAPI* listAddMasked)(HIMAGELIST, HBITMAP, COLORREF);
    BOOL(WINAPI* listDestroy)(HIMAGELIST);
    BOOL(WINAPI* setSubclass)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    LRESULT(WINAPI* defSubclass)(HWND, UINT, WPARAM, LPARAM);
};

template <typename Function>
void Find(HMODULE library, const char* name, Function* call) {
    // The detour through void (*)() keeps the compiler from checking the
    // signature, which only the declaration above knows.
    *call = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
        library != nullptr ? ::GetProcAddress(library, name) : nullptr));
}

const Calls& Loaded() {
    static const Calls calls = [] {
        // By name, so that the manifest's version 6 is the one loaded.
        const HMODULE library = ::LoadLibraryA("comctl32.dll");
        Calls found;
        Find(library, "InitCommonControls", &found.init);
        Find(library, "InitCommonControlsEx", &found.initEx);
        Find(library, "ImageList_Create", &found.listCreate);
        Find(library, "ImageList_AddMasked", &found.listAddMasked);
        Find(library, "ImageList_Destroy", &found.listDestroy);
        Find(library, "SetWindowSubclass", &found.setSubclass);
        Find(library, "DefSubclassProc", &found.defSubclass);
        return found;
    }();
    return calls;
}

}  // namespace

void InitCommonControls() {
    const Calls& c = Loaded();
    if (c.init != nullptr) c.init();
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
    const Calls& c = Loaded();
    return c.initEx != nullptr && c.initEx(controls);
}

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow) {
    const Calls& c = Loaded();
    return c.listCreate != nullptr ? c.listCreate(width, height, flags, initial, grow) : nullptr;
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask) {
    const Calls& c = Loaded();
    return c.listAddMasked != nullptr ? c.listAddMasked(list, image, mask) : -1;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    const Calls& c = Loaded();
    return c.listDestroy != nullptr && c.listDestroy(list);
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    const Calls& c = Loaded();
    return c.setSubclass != nullptr && c.setSubclass(window, proc, id, data);
}

// Called only from a subclass procedure, which exists only once
// SetWindowSubclass, and so the library, has worked.
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Loaded().defSubclass(window, message, wParam, lParam);
}

}  // namespace comctl
}  // namespace win32
}  // namespace platform
