#include "fake_form_toolkit.h"

#include <gtest/gtest.h>

namespace fake {

using platform::WidgetHandle;

FakeFormToolkit& FormToolkit() {
    static FakeFormToolkit toolkit;
    return toolkit;
}

void FakeFormToolkit::Reset() { *this = FakeFormToolkit{}; }

FakeWidget& FakeFormToolkit::Widget(WidgetHandle handle) {
    auto it = widgets.find(handle);
    if (it == widgets.end()) {
        ADD_FAILURE() << "no widget " << handle;
        static FakeWidget none;
        none = FakeWidget{};
        return none;
    }
    return it->second;
}

WidgetHandle FakeFormToolkit::Create(FakeWidget widget) {
    WidgetHandle handle = next_++;
    widgets[handle] = std::move(widget);
    return handle;
}

WidgetHandle FakeFormToolkit::FormOf(WidgetHandle handle) const {
    while (handle != platform::kNoWidget) {
        auto it = widgets.find(handle);
        if (it == widgets.end()) return platform::kNoWidget;
        if (it->second.isForm) return handle;
        handle = it->second.parent;
    }
    return platform::kNoWidget;
}

bool FakeFormToolkit::Reachable(WidgetHandle handle) const {
    while (handle != platform::kNoWidget) {
        auto it = widgets.find(handle);
        if (it == widgets.end()) return false;
        const FakeWidget& w = it->second;
        if (!w.visible || !w.enabled || w.destroyed) return false;
        if (w.isForm) return true;
        handle = w.parent;
    }
    return false;
}

bool FakeFormToolkit::Click(WidgetHandle handle) {
    if (!Reachable(handle)) return false;
    FakeWidget& w = Widget(handle);
    if (w.kind == platform::WidgetKind::CheckBox) w.checked = !w.checked;
    // The handler may destroy the form: call a copy.
    std::function<void()> onClick = w.onClick;
    if (onClick) onClick();
    return true;
}

bool FakeFormToolkit::Type(WidgetHandle edit, const std::string& text) {
    if (!Reachable(edit)) return false;
    Widget(edit).text = text;
    return true;
}

bool FakeFormToolkit::PressEnter(WidgetHandle form) {
    WidgetHandle button = Widget(form).defaultButton;
    return button != platform::kNoWidget && Click(button);
}

bool FakeFormToolkit::PressEscape(WidgetHandle form) {
    WidgetHandle button = Widget(form).cancelButton;
    return button != platform::kNoWidget && Click(button);
}

void FakeFormToolkit::RequestClose(WidgetHandle form) {
    std::function<void()> onClose = Widget(form).onCloseRequest;
    if (onClose) onClose();
}

platform::TextSize FakeTextExtent(const platform::FontSpec& font, const std::string& text) {
    int chars = static_cast<int>(text.size());
    return {chars * font.pixelHeight / 2 + (font.bold ? chars : 0), font.pixelHeight + 2};
}

}  // namespace fake

namespace platform {

namespace {

// Changes to a destroyed form's controls are dropped, as the native calls
// on a destroyed window would be.
fake::FakeWidget* Live(WidgetHandle handle) {
    fake::FakeFormToolkit& t = fake::FormToolkit();
    auto it = t.widgets.find(handle);
    if (it == t.widgets.end()) {
        ADD_FAILURE() << "no widget " << handle;
        return nullptr;
    }
    WidgetHandle form = t.FormOf(handle);
    if (form != kNoWidget && t.widgets[form].destroyed) return nullptr;
    return &it->second;
}

}  // namespace

WidgetHandle CreateForm(const FormSpec& details) {
    fake::FakeWidget w;
    w.isForm = true;
    w.bounds = {0, 0, details.clientWidth, details.clientHeight};
    w.text = details.caption;
    w.font = details.font;
    w.topmost = details.topmost;
    w.visible = false;
    w.onCloseRequest = details.onCloseRequest;
    return fake::FormToolkit().Create(std::move(w));
}

WidgetHandle CreateWidget(const WidgetSpec& details) {
    fake::FakeFormToolkit& t = fake::FormToolkit();
    if (t.widgets.count(details.parent) == 0) ADD_FAILURE() << "no parent " << details.parent;
    fake::FakeWidget w;
    w.kind = details.kind;
    w.parent = details.parent;
    w.bounds = details.bounds;
    w.text = details.text;
    w.font = details.font;
    w.tabStop = details.tabStop;
    w.onClick = details.onClick;
    return t.Create(std::move(w));
}

void DestroyForm(WidgetHandle form) {
    if (fake::FakeWidget* w = Live(form)) {
        w->visible = false;
        w->destroyed = true;
    }
}

void RunFormLoop(WidgetHandle form) {
    fake::FakeFormToolkit& t = fake::FormToolkit();
    ++t.loopRuns;
    if (fake::FakeWidget* w = Live(form)) w->visible = true;
    std::function<void()> actions = std::move(t.userActions);
    t.userActions = nullptr;
    if (actions) actions();
}

void SetWidgetText(WidgetHandle widget, const std::string& text) {
    if (fake::FakeWidget* w = Live(widget)) w->text = text;
}

std::string WidgetText(WidgetHandle widget) {
    fake::FakeWidget* w = Live(widget);
    return w ? w->text : std::string();
}

void SetWidgetEnabled(WidgetHandle widget, bool enabled) {
    fake::FakeWidget* w = Live(widget);
    if (w == nullptr) return;
    w->enabled = enabled;
    fake::FormToolkit().enabledChanges.emplace_back(widget, enabled);
}

void SetWidgetVisible(WidgetHandle widget, bool visible) {
    fake::FakeWidget* w = Live(widget);
    if (w == nullptr) return;
    if (w->isForm) {
        fake::FormToolkit().formJournal.push_back((visible ? "show " : "hide ") +
                                                  std::to_string(widget));
    }
    w->visible = visible;
}

void SetWidgetBounds(WidgetHandle widget, const Bounds& bounds) {
    if (fake::FakeWidget* w = Live(widget)) w->bounds = bounds;
}

void SetWidgetFont(WidgetHandle widget, const FontSpec& font) {
    if (fake::FakeWidget* w = Live(widget)) w->font = font;
}

void SetWidgetChecked(WidgetHandle checkBox, bool checked) {
    if (fake::FakeWidget* w = Live(checkBox)) w->checked = checked;
}

bool WidgetChecked(WidgetHandle checkBox) {
    fake::FakeWidget* w = Live(checkBox);
    return w != nullptr && w->checked;
}

void SetWidgetHandCursor(WidgetHandle widget, bool hand) {
    if (fake::FakeWidget* w = Live(widget)) w->handCursor = hand;
}

void SetWidgetHint(WidgetHandle widget, const std::string& hint) {
    if (fake::FakeWidget* w = Live(widget)) w->hint = hint;
}

void SetLabelLayout(WidgetHandle label, bool centred, bool wordWrap) {
    if (fake::FakeWidget* w = Live(label)) {
        w->centred = centred;
        w->wordWrap = wordWrap;
    }
}

void SetButtonGlyph(WidgetHandle button, const std::string& bitmapResource, int imageCount,
                    GlyphPlacement placement) {
    if (fake::FakeWidget* w = Live(button)) {
        w->bitmap = bitmapResource;
        w->imageCount = imageCount;
        w->placement = placement;
    }
}

void SetPictureBitmap(WidgetHandle picture, const std::string& bitmapResource) {
    if (fake::FakeWidget* w = Live(picture)) w->bitmap = bitmapResource;
}

void SetTabOrder(const std::vector<WidgetHandle>& siblings) {
    if (siblings.empty()) return;
    fake::FakeFormToolkit& t = fake::FormToolkit();
    WidgetHandle parent = t.Widget(siblings.front()).parent;
    for (WidgetHandle h : siblings) {
        if (t.Widget(h).parent != parent) ADD_FAILURE() << "tab order across parents";
    }
    t.tabOrders[parent] = siblings;
}

void SetDefaultButton(WidgetHandle form, WidgetHandle button) {
    if (fake::FakeWidget* w = Live(form)) w->defaultButton = button;
}

void SetCancelButton(WidgetHandle form, WidgetHandle button) {
    if (fake::FakeWidget* w = Live(form)) w->cancelButton = button;
}

void FocusWidget(WidgetHandle widget) {
    if (Live(widget) != nullptr) fake::FormToolkit().focused = widget;
}

TextSize MeasureText(const FontSpec& font, const std::string& text) {
    return fake::FakeTextExtent(font, text);
}

}  // namespace platform
