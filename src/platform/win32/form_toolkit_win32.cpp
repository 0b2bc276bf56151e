// The form toolkit on Win32: a window class of our own for forms, labels,
// panels, group boxes and pictures (drawn here, so they look alike on every
// system), the system's BUTTON and EDIT controls for the rest, and the
// dialog manager's keyboard navigation in the message loop.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "button_glyph.h"
#include "common_controls.h"
#include "native_widgets.h"
#include "platform/form_toolkit.h"
#include "widget_window_proc.h"

namespace platform {

using namespace win32;

namespace {

constexpr UINT_PTR kMemoSubclassId = 1;

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

WidgetHandle CreateForm(const FormSpec& details) {
    EnsureClassRegistered();
    auto widget = std::make_unique<NativeWidget>();
    widget->isForm = true;
    widget->onCloseRequest = details.onCloseRequest;
    widget->font = FontFor(details.font);
    WidgetHandle handle = AddWidget(std::move(widget));

    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_CONTROLPARENT | (details.topmost ? WS_EX_TOPMOST : 0);
    RECT outer = {0, 0, details.clientWidth, details.clientHeight};
    ::AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    // Created without WS_VISIBLE: the loop shows it. The messages of the
    // creation itself, before Attach, get the default handling.
    HWND hwnd =
        ::CreateWindowExA(exStyle, kWidgetClass, details.caption.c_str(), style, left, top, width,
                          height, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    Attach(handle, hwnd);
    return handle;
}

WidgetHandle CreateWidget(const WidgetSpec& details) {
    auto widget = std::make_unique<NativeWidget>();
    widget->kind = details.kind;
    widget->parent = details.parent;
    widget->onClick = details.onClick;
    WidgetHandle handle = AddWidget(std::move(widget));

    HWND parent = WindowOf(details.parent);
    NativeClass cls = ClassFor(details.kind, details.tabStop);
    HWND hwnd =
        ::CreateWindowExA(cls.exStyle, cls.name, details.text.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | cls.style, details.bounds.left,
                          details.bounds.top, details.bounds.width, details.bounds.height, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstControlId + handle)),
                          ::GetModuleHandleA(nullptr), nullptr);
    Attach(handle, hwnd);
    if (hwnd == nullptr) return handle;
    // Siblings stack in the order they were made, the first on top.
    ::SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (details.kind == WidgetKind::Memo)
        win32::comctl::SetWindowSubclass(hwnd, MemoProc, kMemoSubclassId, 0);
    ApplyFont(*Find(handle), details.font);
    return handle;
}

void DestroyForm(WidgetHandle form) {
    HWND hwnd = WindowOf(form);
    if (hwnd == nullptr) return;
    ::DestroyWindow(hwnd);
    ForgetForm(form);
    // A form closed while a message sent from another thread or process is
    // handled (BM_CLICK, WM_CLOSE sent to it) is destroyed inside GetMessage,
    // which would then wait on for ever: a posted message wakes the loop, so
    // that it sees the form gone.
    ::PostMessageA(nullptr, WM_NULL, 0, 0);
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
    if (w->glyph) win32::comctl::ImageList_Destroy(w->glyph);
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