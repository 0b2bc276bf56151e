// The progress window: a plain system window with a text line and a bar,
// created and served by a thread of its own so that it keeps painting while
// the main thread writes large files. The main thread reaches it only through
// calls the system hands to the window's thread: the caption and the bar's
// range synchronously, the text line, the bar's position and showing or
// hiding as posted requests.
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <memory>
#include <string>

#include "common_controls.h"
#include "platform/progress_window.h"
#include "system_library.h"

namespace {

constexpr int kWidth = 408;
constexpr int kHeight = 76;
constexpr DWORD kWindowExStyle =
    0x00020009;  // WS_EX_STATICEDGE | WS_EX_TOPMOST | WS_EX_DLGMODALFRAME
constexpr DWORD kWindowStyle = 0x00400000;  // WS_DLGFRAME: no system menu, no close command
constexpr DWORD kTextStyle = 0x50000000;    // WS_CHILD | WS_VISIBLE
constexpr DWORD kBarStyle = 0x50040000;     // WS_CHILD | WS_VISIBLE | WS_THICKFRAME
const char* const kClassName = "PlainWindow";

// Requests the window thread carries out itself, so that the installer never
// waits for the window to repaint or for the display to confirm a hide.
constexpr UINT kSetTextLine = WM_APP + 1;  // lParam: a std::string the thread takes over
constexpr UINT kPlace = WM_APP + 2;        // wParam: show (1) or hide (0)

// The texts for the window's creation: written by the main thread, read once
// by the window thread, so they are handed over under a lock.
// A critical section rather than a slim lock: the latter is missing on Windows XP.
CRITICAL_SECTION& TextLock() {
    // First reached on the main thread, before the window thread exists.
    static CRITICAL_SECTION lock;
    static const bool ready = (InitializeCriticalSection(&lock), true);
    (void)ready;
    return lock;
}
std::string creationCaption;
std::string creationText;

std::atomic<HWND> windowHandle{nullptr};
std::atomic<HWND> textHandle{nullptr};
std::atomic<HWND> barHandle{nullptr};
std::atomic<int> windowLeft{0};
std::atomic<int> windowTop{0};
// Set once the window and both controls exist; never cleared.
std::atomic<bool> windowUp{false};
// A window thread has been started and has not given up: a further start
// only updates the texts, so there is never a second window.
std::atomic<bool> threadRunning{false};

std::string Locked(const std::string& text) {
    EnterCriticalSection(&TextLock());
    std::string copy = text;
    LeaveCriticalSection(&TextLock());
    return copy;
}

void StoreLocked(std::string* target, const std::string& value) {
    EnterCriticalSection(&TextLock());
    *target = value;
    LeaveCriticalSection(&TextLock());
}

HWND CreateChild(HWND parent, const char* className, const std::string& text, DWORD style, int y,
                 int width) {
    return CreateWindowExA(0, className, text.c_str(), style, 2, y, width, 20, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

LRESULT CALLBACK ProgressWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            textHandle = CreateChild(window, "STATIC", Locked(creationText), kTextStyle, 2, 399);
            barHandle = CreateChild(window, PROGRESS_CLASSA, "", kBarStyle, 24, 400);
            return 0;
        case kSetTextLine: {
            std::unique_ptr<std::string> text(reinterpret_cast<std::string*>(lParam));
            SetWindowTextA(textHandle, text->c_str());
            return 0;
        }
        case kPlace:
            SetWindowPos(window, HWND_TOPMOST, windowLeft, windowTop, kWidth, kHeight,
                         wParam ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Half the free room, or 0 on a screen smaller than the window.
int Centred(int screen, int size) { return screen > size ? (screen - size) >> 1 : 0; }

bool RegisterPlainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_NOCLOSE;
    windowClass.lpfnWndProc = ProgressWndProc;
    windowClass.cbClsExtra = 4;
    windowClass.cbWndExtra = 4;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, nullptr);  // no icon
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
}

// The window takes no typed input, so its thread needs no input method: a
// window of its own that the system would otherwise make for the thread's
// first window, and with it the component runtime the input method starts.
void WithoutInputMethod() {
    using DisableFunction = BOOL(WINAPI*)(DWORD);
    const auto disable = platform::win32::SystemProc<DisableFunction>("imm32.dll", "ImmDisableIME");
    if (disable != nullptr) disable(0);  // 0: the calling thread
}

DWORD WINAPI RunProgressWindow(LPVOID) {
    WithoutInputMethod();
    windowLeft = Centred(GetSystemMetrics(SM_CXSCREEN), kWidth);
    windowTop = Centred(GetSystemMetrics(SM_CYSCREEN), kHeight);
    platform::win32::comctl::InitCommonControls();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterPlainWindowClass(instance)) {
        threadRunning = false;
        return 0;
    }
    HWND window = CreateWindowExA(kWindowExStyle, kClassName, Locked(creationCaption).c_str(),
                                  kWindowStyle, windowLeft, windowTop, kWidth, kHeight, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr) {
        // Leave the way open for a later start instead of a window that never is.
        UnregisterClassA(kClassName, instance);
        threadRunning = false;
        return 0;
    }
    windowHandle = window;
    windowUp = true;
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

}  // namespace

namespace platform {

void StartProgressWindowThread(const std::string& caption, const std::string& text) {
    EnterCriticalSection(&TextLock());
    creationCaption = caption;
    creationText = text;
    LeaveCriticalSection(&TextLock());
    if (threadRunning.exchange(true)) return;  // the thread on its way takes these texts
    // The library is loaded here, on the starting thread: loaded first from
    // the window's own thread while the starter waits for it, its start-up
    // can wait on the starter in turn (seen under Wine), and neither goes on.
    platform::win32::comctl::InitCommonControls();
    HANDLE thread = CreateThread(nullptr, 0, RunProgressWindow, nullptr, 0, nullptr);
    if (thread == nullptr) {
        threadRunning = false;
        return;
    }
    CloseHandle(thread);  // the thread runs until the process ends
}

bool ProgressWindowIsUp() { return windowUp; }

void StoreProgressCaption(const std::string& caption) { StoreLocked(&creationCaption, caption); }

void SetProgressWindowCaption(const std::string& caption) {
    SetWindowTextA(windowHandle, caption.c_str());
}

void SetProgressTextLine(const std::string& text) {
    if (HWND window = windowHandle) {
        auto* copy = new std::string(text);
        if (PostMessageA(window, kSetTextLine, 0, reinterpret_cast<LPARAM>(copy))) return;
        delete copy;
    }
    // Window not up yet: a text line that may exist already, or none at all.
    SetWindowTextA(textHandle, text.c_str());
}

int SetAndReadProgressRange(int max) {
    HWND bar = barHandle;  // read afresh: the window thread may just have made it
    if (bar == nullptr) return 0;
    SendMessageA(bar, PBM_SETRANGE32, 0, max);
    return static_cast<int>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0));
}

void SetProgressBarPosition(int position) {
    // Posted, not sent: a sent message waits for the window thread to run,
    // about a millisecond a file under Wine. No bar yet, nothing to post to
    // (a post to no window would land in this thread's own queue).
    if (HWND bar = barHandle) PostMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void PlaceProgressWindow(bool visible) {
    if (HWND window = windowHandle) PostMessageA(window, kPlace, visible ? 1 : 0, 0);
}

}  // namespace platform
