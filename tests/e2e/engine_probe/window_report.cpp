#include "window_report.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "engine/progress_unit.h"

namespace {

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Showing and hiding reach the window's thread a moment later.
bool BecomesVisible(HWND window, bool visible) {
    for (int i = 0; i < 250; ++i) {
        if ((IsWindowVisible(window) != FALSE) == visible) return true;
        Sleep(20);
    }
    return false;
}

// The position, too, is posted to the window's thread: the bar's answer
// once it has taken the request, or what it holds after 5 s.
long PositionReached(HWND bar, long position) {
    long now = 0;
    for (int i = 0; i < 250; ++i) {
        now = static_cast<long>(SendMessageA(bar, PBM_GETPOS, 0, 0));
        if (now == position) break;
        Sleep(20);
    }
    return now;
}

BOOL CALLBACK ReportChild(HWND child, LPARAM parent) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&r), 2);
    std::printf("child=%s style=%08lx x=%ld y=%ld w=%ld h=%ld id=%d text=%s\n", className,
                static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)), r.left, r.top,
                r.right - r.left, r.bottom - r.top, GetDlgCtrlID(child), TextOf(child).c_str());
    return TRUE;
}

}  // namespace

bool ReportProgressWindow() {
    ShowProgress("First caption", "first text");
    const bool up = SetProgressRange(29);
    std::printf("up=%d\n", up ? 1 : 0);
    HWND window = FindWindowA("PlainWindow", nullptr);
    if (!up || window == nullptr) return false;
    BecomesVisible(window, true);
    RECT r;
    GetWindowRect(window, &r);
    std::printf("screen=%dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::printf("window style=%08lx exstyle=%08lx x=%ld y=%ld w=%ld h=%ld caption=%s\n",
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)), r.left, r.top,
                r.right - r.left, r.bottom - r.top, TextOf(window).c_str());
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    GetClassInfoExA(GetModuleHandleA(nullptr), "PlainWindow", &windowClass);
    std::printf("class style=%04x extra=%d,%d\n", windowClass.style, windowClass.cbClsExtra,
                windowClass.cbWndExtra);
    EnumChildWindows(window, ReportChild, reinterpret_cast<LPARAM>(window));

    SetProgressPosition(7);
    HWND bar = FindWindowExA(window, nullptr, PROGRESS_CLASSA, nullptr);
    std::printf("range=%ld position=%ld\n",
                static_cast<long>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0)),
                PositionReached(bar, 7));

    HideProgress();
    std::printf("hidden=%d\n", BecomesVisible(window, false) ? 1 : 0);
    SetProgressText("while hidden");
    ShowProgress("", "");
    // Requests reach the window's thread in order: once it is visible again,
    // the text line has been cleared too.
    std::printf("shown again=%d caption=%s\n", BecomesVisible(window, true) ? 1 : 0,
                TextOf(window).c_str());
    std::printf("text=%s\n", TextOf(FindWindowExA(window, nullptr, "Static", nullptr)).c_str());
    // A second show does not make a second window.
    int windows = 0;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "PlainWindow", nullptr)) != nullptr;) {
        ++windows;
    }
    std::printf("windows=%d\n", windows);
    return true;
}
