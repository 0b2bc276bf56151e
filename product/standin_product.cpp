// A stand-in for the installed product: while it runs it holds the product's
// "running" marker and shows a main window of the product's window class. It
// ends when its window receives WM_QUIT (or is closed).
//
//   standin_product.exe [--slow-quit SECONDS]
//
// With --slow-quit it keeps running (window and marker) for SECONDS after the
// first WM_QUIT, like a program that saves its work before it goes.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

const char kMarkerName[] = "norvelik_memfile";
constexpr DWORD kMarkerBytes = 64;
const char kMainWindowClass[] = "TNVMainForm";
const char kTitle[] = "Норвелик";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainWindow(HINSTANCE instance, int showCommand) {
    WNDCLASSA windowClass;
    ZeroMemory(&windowClass, sizeof(windowClass));
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kMainWindowClass;
    if (!::RegisterClassA(&windowClass)) return nullptr;
    HWND window = ::CreateWindowExA(0, kMainWindowClass, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 480, 320, nullptr, nullptr, instance, nullptr);
    if (window != nullptr) {
        ::ShowWindow(window, showCommand);
        ::UpdateWindow(window);
    }
    return window;
}

// The delay of --slow-quit in milliseconds; 0 without it.
UINT SlowQuitDelayMs(const char* commandLine) {
    const char* flag = std::strstr(commandLine, "--slow-quit");
    if (flag == nullptr) return 0;
    return static_cast<UINT>(std::strtoul(flag + std::strlen("--slow-quit"), nullptr, 10) * 1000);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
    const UINT slowQuitMs = SlowQuitDelayMs(commandLine);
    bool quitting = false;
    HANDLE marker = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                         kMarkerBytes, kMarkerName);
    if (marker == nullptr) return 1;
    if (CreateMainWindow(instance, showCommand) == nullptr) {
        ::CloseHandle(marker);
        return 1;
    }
    MSG message;
    int exitCode = 0;
    // GetMessage answers 0 for WM_QUIT, whether this process or another one posted it.
    for (;;) {
        BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 && slowQuitMs != 0 && !quitting) {
            // A thread timer: its WM_TIMER ends the loop once the delay is over.
            quitting = true;
            exitCode = static_cast<int>(message.wParam);
            ::SetTimer(nullptr, 0, slowQuitMs, nullptr);
            continue;
        }
        if (got == 0) {
            if (!quitting) exitCode = static_cast<int>(message.wParam);
            break;
        }
        if (quitting && message.message == WM_TIMER && message.hwnd == nullptr) break;
        if (got == -1) {
            exitCode = 1;
            break;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    ::CloseHandle(marker);
    return exitCode;
}
