// The form toolkit on Win32: a window class of our own for forms, labels,
// panels, group boxes and pictures (drawn here, so they look alike on every
// system), the system's BUTTON and EDIT controls for the rest, and the
// dialog manager's keyboard navigation in the message loop.
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "button_glyph.h"
#include "platform/form_toolkit.h"

namespace platform {

namespace {

constexpr char kWidgetClass[] = "NorvelikFormWidget";
// Control ids stay clear of IDOK and IDCANCEL, which the dialog manager sends
// for Enter and Escape.
constexpr int kFirstControlId = 1000;
constexpr UINT_PTR kMemoSubclassId = 1;

struct NativeWidget {
    HWND hwnd = nullptr;
    bool isForm = false;
    WidgetKind kind = WidgetKind::Label;
    WidgetHandle parent = kNoWidget;
    HFONT font = nullptr;
    bool handCursor = false;
    bool centred = false;
    bool wordWrap = false;
    HBITMAP picture = nullptr;
    HIMAGELIST glyph = nullptr;
    std::function<void()> onClick;
    // Forms only.
    std::function<void()> onCloseRequest;
    WidgetHandle defaultButton = kNoWidget;
    WidgetHandle cancelButton = kNoWidget;
    WidgetHandle focus = kNoWidget;  // to restore when the form is active again
    HWND tooltip = nullptr;
};

std::vector<std::unique_ptr<NativeWidget>>& Widgets() {
    static std::vector<std::unique_ptr<NativeWidget>> widgets;
    return widgets;
}

std::map<HWND, WidgetHandle>& HandlesByWindow() {
    static std::map<HWND, WidgetHandle> handles;
    return handles;
}

NativeWidget* Find(WidgetHandle handle) {
    if (handle == kNoWidget || handle > Widgets().size()) return nullptr;
    return Widgets()[handle - 1].get();
}

// The window of a live widget; nullptr once its form is destroyed.
HWND WindowOf(WidgetHandle handle) {
    NativeWidget* w = Find(handle);
    return w ? w->hwnd : nullptr;
}

WidgetHandle HandleOf(HWND hwnd) {
    auto it = HandlesByWindow().find(hwnd);
    return it == HandlesByWindow().end() ? kNoWidget : it->second;
}

NativeWidget* FindByWindow(HWND hwnd) { return Find(HandleOf(hwnd)); }

WidgetHandle FormOf(WidgetHandle handle) {
    for (NativeWidget* w = Find(handle); w != nullptr; w = Find(w->parent)) {
        if (w->isForm) return handle;
        handle = w->parent;
    }
    return kNoWidget;
}

HFONT FontFor(const FontSpec& spec) {
    static std::map<std::string, HFONT> fonts;
    std::string key = spec.face + "|" + std::to_string(spec.pixelHeight) + "|" +
                      std::to_string(spec.bold) + std::to_string(spec.italic) + "|" +
                      std::to_string(spec.charset);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    // A negative height asks for the character height, not the cell height.
    HFONT font =
        ::CreateFontA(-spec.pixelHeight, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic,
                      FALSE, FALSE, spec.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, spec.face.c_str());
    fonts[key] = font;
    return font;
}

std::string WindowText(HWND hwnd) {
    int length = ::GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(hwnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void Click(WidgetHandle handle) {
    NativeWidget* w = Find(handle);
    if (w == nullptr || w->hwnd == nullptr || !::IsWindowEnabled(w->hwnd)) return;
    // The handler may destroy the form and with it this widget's window.
    std::function<void()> onClick = w->onClick;
    if (onClick) onClick();
}

void PaintLabel(HDC dc, const NativeWidget& w, RECT rc) {
    std::string text = WindowText(w.hwnd);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc,
                   ::GetSysColor(::IsWindowEnabled(w.hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    UINT format = DT_NOPREFIX | (w.centred ? DT_CENTER : DT_LEFT);
    format |= w.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (w.centred && w.wordWrap) {
        // DT_VCENTER works on single lines only: centre the wrapped block by hand.
        RECT measured = rc;
        ::DrawTextA(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
        int spare = (rc.bottom - rc.top) - (measured.bottom - measured.top);
        if (spare > 0) rc.top += spare / 2;
    } else if (w.centred) {
        format |= DT_VCENTER;
    }
    ::DrawTextA(dc, text.c_str(), -1, &rc, format);
}

void PaintGroupBox(HDC dc, const NativeWidget& w, RECT rc) {
    std::string text = WindowText(w.hwnd);
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT frame = rc;
    frame.top += extent.cy / 2;
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (text.empty()) return;
    RECT caption = {8, 0, 8 + extent.cx + 4, extent.cy};
    ::FillRect(dc, &caption, ::GetSysColorBrush(COLOR_BTNFACE));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc,
                   ::GetSysColor(::IsWindowEnabled(w.hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    ::TextOutA(dc, 10, 0, text.c_str(), static_cast<int>(text.size()));
}

void PaintPicture(HDC dc, const NativeWidget& w) {
    if (w.picture == nullptr) return;
    BITMAP bm;
    ::GetObjectA(w.picture, sizeof(bm), &bm);
    HDC source = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(source, w.picture);
    ::BitBlt(dc, 0, 0, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

void Paint(NativeWidget& w) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(w.hwnd, &ps);
    RECT rc;
    ::GetClientRect(w.hwnd, &rc);
    ::FillRect(dc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ oldFont = w.font ? ::SelectObject(dc, w.font) : nullptr;
    if (!w.isForm) {
        switch (w.kind) {
            case WidgetKind::Label:
                PaintLabel(dc, w, rc);
                break;
            case WidgetKind::GroupBox:
                PaintGroupBox(dc, w, rc);
                break;
            case WidgetKind::Panel:
                ::DrawEdge(dc, &rc, BDR_RAISEDINNER, BF_RECT);
                break;
            case WidgetKind::Picture:
                PaintPicture(dc, w);
                break;
            default:
                break;
        }
    }
    if (oldFont) ::SelectObject(dc, oldFont);
    ::EndPaint(w.hwnd, &ps);
}

// The focused control, if it is a push button of ours, answers Enter itself;
// otherwise the form's default button does.
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
            Paint(*self);
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

// The memo lets Tab and Escape reach the dialog manager (Tab moves on,
// Escape cancels) and keeps Enter; it does not select all text on Tab.
LRESULT CALLBACK MemoProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        LRESULT code = ::DefSubclassProc(hwnd, message, wParam, lParam);
        code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
            code |= DLGC_WANTMESSAGE;
        }
        return code;
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

void EnsureClassRegistered() {
    static bool registered = false;
    if (registered) return;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
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

WidgetHandle AddWidget(std::unique_ptr<NativeWidget> widget) {
    Widgets().push_back(std::move(widget));
    return static_cast<WidgetHandle>(Widgets().size());
}

void Attach(WidgetHandle handle, HWND hwnd) {
    Find(handle)->hwnd = hwnd;
    if (hwnd != nullptr) HandlesByWindow()[hwnd] = handle;
}

struct NativeClass {
    const char* name;
    DWORD style;
    DWORD exStyle;
};

NativeClass ClassFor(WidgetKind kind, bool tabStop) {
    const DWORD tab = tabStop ? WS_TABSTOP : 0;
    switch (kind) {
        case WidgetKind::Memo:
            return {"EDIT", tab | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                    WS_EX_CLIENTEDGE};
        case WidgetKind::CheckBox:
            return {"BUTTON", tab | BS_AUTOCHECKBOX, 0};
        case WidgetKind::BitmapButton:
            return {"BUTTON", tab | BS_PUSHBUTTON, 0};
        case WidgetKind::Edit:
            return {"EDIT", tab | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case WidgetKind::Panel:
        case WidgetKind::GroupBox:
            // Keyboard navigation goes on into the controls inside.
            return {kWidgetClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
        case WidgetKind::Label:
        case WidgetKind::Picture:
            break;
    }
    return {kWidgetClass, 0, 0};
}

void ApplyFont(NativeWidget& w, const FontSpec& font) {
    w.font = FontFor(font);
    if (w.hwnd != nullptr)
        ::SendMessageA(w.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(w.font), TRUE);
}

}  // namespace

WidgetHandle CreateForm(const FormSpec& spec) {
    EnsureClassRegistered();
    auto widget = std::make_unique<NativeWidget>();
    widget->isForm = true;
    widget->onCloseRequest = spec.onCloseRequest;
    widget->font = FontFor(spec.font);
    WidgetHandle handle = AddWidget(std::move(widget));

    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_CONTROLPARENT | (spec.topmost ? WS_EX_TOPMOST : 0);
    RECT outer = {0, 0, spec.clientWidth, spec.clientHeight};
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    // Created without WS_VISIBLE: the loop shows it. The messages of the
    // creation itself, before Attach, get the default handling.
    HWND hwnd =
        ::CreateWindowExA(exStyle, kWidgetClass, spec.caption.c_str(), style, left, top, width,
                          height, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    Attach(handle, hwnd);
    return handle;
}

WidgetHandle CreateWidget(const WidgetSpec& spec) {
    auto widget = std::make_unique<NativeWidget>();
    widget->kind = spec.kind;
    widget->parent = spec.parent;
    widget->onClick = spec.onClick;
    WidgetHandle handle = AddWidget(std::move(widget));

    HWND parent = WindowOf(spec.parent);
    NativeClass cls = ClassFor(spec.kind, spec.tabStop);
    HWND hwnd =
        ::CreateWindowExA(cls.exStyle, cls.name, spec.text.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | cls.style, spec.bounds.left,
                          spec.bounds.top, spec.bounds.width, spec.bounds.height, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstControlId + handle)),
                          ::GetModuleHandleA(nullptr), nullptr);
    Attach(handle, hwnd);
    if (hwnd == nullptr) return handle;
    // Siblings stack in the order they were made, the first on top.
    ::SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (spec.kind == WidgetKind::Memo) ::SetWindowSubclass(hwnd, MemoProc, kMemoSubclassId, 0);
    ApplyFont(*Find(handle), spec.font);
    return handle;
}

void DestroyForm(WidgetHandle form) {
    HWND hwnd = WindowOf(form);
    if (hwnd == nullptr) return;
    ::DestroyWindow(hwnd);
    // Forget every window that went with it.
    for (std::size_t i = 0; i < Widgets().size(); ++i) {
        WidgetHandle h = static_cast<WidgetHandle>(i + 1);
        if (FormOf(h) != form) continue;
        NativeWidget& w = *Widgets()[i];
        HandlesByWindow().erase(w.hwnd);
        w.hwnd = nullptr;
        if (w.glyph) ::ImageList_Destroy(w.glyph);
        if (w.picture) ::DeleteObject(w.picture);
        w.glyph = nullptr;
        w.picture = nullptr;
    }
}

void RunFormLoop(WidgetHandle form) {
    HWND hwnd = WindowOf(form);
    if (hwnd == nullptr) return;
    SetWidgetVisible(form, true);
    MSG msg;
    while (::IsWindow(hwnd)) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Someone asked the thread to quit: leave the request for the caller.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0) break;
        if (::IsDialogMessageA(hwnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void SetWidgetText(WidgetHandle widget, const std::string& text) {
    if (HWND hwnd = WindowOf(widget)) ::SetWindowTextA(hwnd, text.c_str());
}

std::string WidgetText(WidgetHandle widget) {
    HWND hwnd = WindowOf(widget);
    return hwnd ? WindowText(hwnd) : std::string();
}

void SetWidgetEnabled(WidgetHandle widget, bool enabled) {
    if (HWND hwnd = WindowOf(widget)) ::EnableWindow(hwnd, enabled);
}

void SetWidgetVisible(WidgetHandle widget, bool visible) {
    NativeWidget* w = Find(widget);
    if (w == nullptr || w->hwnd == nullptr) return;
    if (!w->isForm) {
        ::ShowWindow(w->hwnd, visible ? SW_SHOWNA : SW_HIDE);
        return;
    }
    if (!visible) {
        HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(w->hwnd, focus)) w->focus = HandleOf(focus);
        ::ShowWindow(w->hwnd, SW_HIDE);
        return;
    }
    ::ShowWindow(w->hwnd, SW_SHOW);
    ::UpdateWindow(w->hwnd);
    ::SetForegroundWindow(w->hwnd);
    if (HWND focus = WindowOf(w->focus)) ::SetFocus(focus);
}

void SetWidgetBounds(WidgetHandle widget, const Bounds& b) {
    NativeWidget* w = Find(widget);
    if (w == nullptr || w->hwnd == nullptr || w->isForm) return;
    ::SetWindowPos(w->hwnd, nullptr, b.left, b.top, b.width, b.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(w->hwnd, nullptr, TRUE);
}

void SetWidgetFont(WidgetHandle widget, const FontSpec& font) {
    if (NativeWidget* w = Find(widget)) ApplyFont(*w, font);
}

void SetWidgetChecked(WidgetHandle checkBox, bool checked) {
    if (HWND hwnd = WindowOf(checkBox)) {
        ::SendMessageA(hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

bool WidgetChecked(WidgetHandle checkBox) {
    HWND hwnd = WindowOf(checkBox);
    return hwnd != nullptr && ::SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetWidgetHandCursor(WidgetHandle widget, bool hand) {
    if (NativeWidget* w = Find(widget)) w->handCursor = hand;
}

void SetWidgetHint(WidgetHandle widget, const std::string& hint) {
    HWND hwnd = WindowOf(widget);
    NativeWidget* form = Find(FormOf(widget));
    if (hwnd == nullptr || form == nullptr || form->hwnd == nullptr) return;
    if (form->tooltip == nullptr) {
        if (hint.empty()) return;
        form->tooltip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form->hwnd,
                                          nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (form->tooltip == nullptr) return;
        ::SendMessageA(form->tooltip, TTM_SETMAXTIPWIDTH, 0, 600);
    }
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form->hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
    ::SendMessageA(form->tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (hint.empty()) return;
    std::string text = hint;  // the tooltip copies it
    tool.lpszText = &text[0];
    ::SendMessageA(form->tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetLabelLayout(WidgetHandle label, bool centred, bool wordWrap) {
    NativeWidget* w = Find(label);
    if (w == nullptr) return;
    w->centred = centred;
    w->wordWrap = wordWrap;
    if (w->hwnd) ::InvalidateRect(w->hwnd, nullptr, TRUE);
}

void SetButtonGlyph(WidgetHandle button, const std::string& bitmapResource, int imageCount,
                    GlyphPlacement placement) {
    NativeWidget* w = Find(button);
    if (w == nullptr || w->hwnd == nullptr) return;
    HIMAGELIST list = win32::LoadButtonGlyph(bitmapResource.c_str(), imageCount);
    if (list == nullptr) return;
    BUTTON_IMAGELIST images = {};
    images.himl = list;
    images.margin = {4, 0, 4, 0};
    images.uAlign = placement == GlyphPlacement::RightOfCaption ? BUTTON_IMAGELIST_ALIGN_RIGHT
                                                                : BUTTON_IMAGELIST_ALIGN_LEFT;
    ::SendMessageA(w->hwnd, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    if (w->glyph) ::ImageList_Destroy(w->glyph);
    w->glyph = list;
}

void SetPictureBitmap(WidgetHandle picture, const std::string& bitmapResource) {
    NativeWidget* w = Find(picture);
    if (w == nullptr || w->hwnd == nullptr) return;
    if (w->picture) ::DeleteObject(w->picture);
    w->picture = win32::LoadBitmapResource(bitmapResource.c_str());
    ::InvalidateRect(w->hwnd, nullptr, TRUE);
}

void SetTabOrder(const std::vector<WidgetHandle>& siblings) {
    // The dialog manager tabs through the stacking order: put the siblings on
    // top, one after the other.
    HWND previous = HWND_TOP;
    for (WidgetHandle h : siblings) {
        HWND hwnd = WindowOf(h);
        if (hwnd == nullptr) continue;
        ::SetWindowPos(hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = hwnd;
    }
}

void SetDefaultButton(WidgetHandle form, WidgetHandle button) {
    NativeWidget* f = Find(form);
    if (f == nullptr) return;
    f->defaultButton = button;
    if (HWND hwnd = WindowOf(button)) ::SendMessageA(hwnd, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void SetCancelButton(WidgetHandle form, WidgetHandle button) {
    if (NativeWidget* f = Find(form)) f->cancelButton = button;
}

void FocusWidget(WidgetHandle widget) {
    HWND hwnd = WindowOf(widget);
    NativeWidget* form = Find(FormOf(widget));
    if (hwnd == nullptr || form == nullptr) return;
    form->focus = widget;
    if (form->hwnd && ::IsWindowVisible(form->hwnd)) ::SetFocus(hwnd);
}

TextSize MeasureText(const FontSpec& font, const std::string& text) {
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, FontFor(font));
    SIZE extent = {0, 0};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return {extent.cx, extent.cy};
}

}  // namespace platform
