#include "widget_window_proc.h"

#include <functional>

#include "common_controls.h"
#include "widget_painting.h"

namespace platform {
namespace win32 {

namespace {

void Click(WidgetHandle handle) {
    NativeWidget* w = Find(handle);
    if (w == nullptr || w->hwnd == nullptr || !::IsWindowEnabled(w->hwnd)) return;
    // The handler may destroy the form and with it this widget's window.
    std::function<void()> onClick = w->onClick;
    if (onClick) onClick();
}

// The focused control, if it is a push button of ours, answers Enter itself
// (as a focused button does in a dialog); otherwise the default button does.
LRESULT DefaultButtonId(const NativeWidget& form) {
    WidgetHandle button = form.defaultButton;
    WidgetHandle focused = HandleOf(::GetFocus());
    if (NativeWidget* f = Find(focused)) {
        if (f->kind == WidgetKind::BitmapButton && FormOf(focused) == HandleOf(form.hwnd)) {
            button = focused;
        }
    }
    if (button == kNoWidget) return 0;
    return MAKELRESULT(kFirstControlId + button, DC_HASDEFID);
}

LRESULT OnCommand(WPARAM wParam, LPARAM lParam, NativeWidget& self) {
    if (lParam != 0) {
        if (HIWORD(wParam) == BN_CLICKED) Click(HandleOf(reinterpret_cast<HWND>(lParam)));
        return 0;
    }
    // Escape and Enter from the dialog manager arrive without a window.
    if (LOWORD(wParam) == IDCANCEL && self.isForm) {
        Click(self.cancelButton);
    } else if (LOWORD(wParam) >= kFirstControlId) {
        Click(static_cast<WidgetHandle>(LOWORD(wParam) - kFirstControlId));
    }
    return 0;
}

LRESULT CALLBACK WidgetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    NativeWidget* self = FindByWindow(hwnd);
    if (self == nullptr) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            PaintWidget(*self);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole window
        case WM_SETTEXT:
        case WM_ENABLE: {
            LRESULT result = ::DefWindowProcA(hwnd, message, wParam, lParam);
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return result;
        }
        case WM_COMMAND:
            return OnCommand(wParam, lParam, *self);
        case WM_SETCURSOR: {
            NativeWidget* target = FindByWindow(reinterpret_cast<HWND>(wParam));
            if (target && target->handCursor && LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC: {
            // A read-only edit would take the grey of static text; the memo
            // stays white like any text to read.
            NativeWidget* target = FindByWindow(reinterpret_cast<HWND>(lParam));
            if (target && target->kind == WidgetKind::Memo) {
                HDC dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
                ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        }
        default:
            break;
    }
    if (!self->isForm) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_CLOSE:
            if (self->onCloseRequest) {
                std::function<void()> onClose = self->onCloseRequest;
                onClose();
            }
            return 0;  // the portable side destroys the form
        case DM_GETDEFID:
            return DefaultButtonId(*self);
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(hwnd, focus)) self->focus = HandleOf(focus);
            } else if (HWND focus = WindowOf(self->focus)) {
                if (::IsWindowVisible(focus) && ::IsWindowEnabled(focus)) ::SetFocus(focus);
            }
            return 0;
        default:
            break;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

// The memo lets Tab and Escape reach the dialog manager (Tab moves on,
// Escape cancels) and keeps Enter; it does not select all text on Tab.
LRESULT CALLBACK MemoProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        LRESULT code = comctl::DefSubclassProc(hwnd, message, wParam, lParam);
        code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
            code |= DLGC_WANTMESSAGE;
        }
        return code;
    }
    return comctl::DefSubclassProc(hwnd, message, wParam, lParam);
}

void EnsureClassRegistered() {
    static bool registered = false;
    if (registered) return;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    comctl::InitCommonControlsEx(&controls);
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WidgetProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWidgetClass;
    ::RegisterClassA(&wc);
    registered = true;
}

}  // namespace win32
}  // namespace platform
