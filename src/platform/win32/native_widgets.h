// The Win32 side of the form toolkit: the record kept for every native form
// and control, found by its handle or by its window. Main thread only.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/form_toolkit.h"

namespace platform {
namespace win32 {

// Our window class: forms, labels, panels, group boxes and pictures.
constexpr char kWidgetClass[] = "NorvelikFormWidget";
// Control ids stay clear of IDOK and IDCANCEL, which the dialog manager sends
// for Enter and Escape.
constexpr int kFirstControlId = 1000;

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

// Records a widget that has no window yet; returns its handle.
WidgetHandle AddWidget(std::unique_ptr<NativeWidget> widget);
// Ties the widget to its window (nullptr when the window could not be made).
void Attach(WidgetHandle handle, HWND hwnd);
// Drops the windows of a destroyed form and of everything in it.
void ForgetForm(WidgetHandle form);

NativeWidget* Find(WidgetHandle handle);
// The window of a live widget; nullptr once its form is destroyed.
HWND WindowOf(WidgetHandle handle);
WidgetHandle HandleOf(HWND hwnd);
NativeWidget* FindByWindow(HWND hwnd);
// The form a widget lives in.
WidgetHandle FormOf(WidgetHandle handle);

// One font object per description, kept for the life of the process.
HFONT FontFor(const FontSpec& details);
// The window's text; a character the text code page lacks reads "?".
std::string WindowText(HWND hwnd);

}  // namespace win32
}  // namespace platform
