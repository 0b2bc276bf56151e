#include "native_widgets.h"

#include <map>
#include <vector>

#include "common_controls.h"
#include "text_to_wide.h"

namespace platform {
namespace win32 {

namespace {

std::vector<std::unique_ptr<NativeWidget>>& Widgets() {
    static std::vector<std::unique_ptr<NativeWidget>> widgets;
    return widgets;
}

std::map<HWND, WidgetHandle>& HandlesByWindow() {
    static std::map<HWND, WidgetHandle> handles;
    return handles;
}

}  // namespace

NativeWidget* Find(WidgetHandle handle) {
    if (handle == kNoWidget || handle > Widgets().size()) return nullptr;
    return Widgets()[handle - 1].get();
}

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

HFONT FontFor(const FontSpec& details) {
    static std::map<std::string, HFONT> fonts;
    std::string key = details.face + "|" + std::to_string(details.pixelHeight) + "|" +
                      std::to_string(details.bold) + std::to_string(details.italic) + "|" +
                      std::to_string(details.charset);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    // A negative height asks for the character height, not the cell height.
    HFONT font = ::CreateFontA(-details.pixelHeight, 0, 0, 0, details.bold ? FW_BOLD : FW_NORMAL,
                               details.italic, FALSE, FALSE, details.charset, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                               details.face.c_str());
    fonts[key] = font;
    return font;
}

std::string WindowText(HWND hwnd) {
    // Read wide: the ANSI call gives a look-alike for a character the code
    // page lacks (a typed "René" would come back as "Rene", another folder).
    int length = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(hwnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return win32::WideToTextMarkingMissing(text);
}

WidgetHandle AddWidget(std::unique_ptr<NativeWidget> widget) {
    Widgets().push_back(std::move(widget));
    return static_cast<WidgetHandle>(Widgets().size());
}

void Attach(WidgetHandle handle, HWND hwnd) {
    Find(handle)->hwnd = hwnd;
    if (hwnd != nullptr) HandlesByWindow()[hwnd] = handle;
}

void ForgetForm(WidgetHandle form) {
    for (std::size_t i = 0; i < Widgets().size(); ++i) {
        WidgetHandle h = static_cast<WidgetHandle>(i + 1);
        if (FormOf(h) != form) continue;
        NativeWidget& w = *Widgets()[i];
        HandlesByWindow().erase(w.hwnd);
        w.hwnd = nullptr;
        if (w.glyph) win32::comctl::ImageList_Destroy(w.glyph);
        if (w.picture) ::DeleteObject(w.picture);
        w.glyph = nullptr;
        w.picture = nullptr;
    }
}

}  // namespace win32
}  // namespace platform
