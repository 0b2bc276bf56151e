#include "ui/toolkit/control.h"

#include <algorithm>

TControl::TControl(TWinControl* parent, platform::WidgetKind kind, const TBounds& bounds,
                   bool inTabOrder, bool tabStop)
    : parent_(parent), bounds_(bounds), font_(parent->Font()) {
    platform::WidgetSpec details;
    details.kind = kind;
    details.parent = parent->Handle();
    details.bounds = bounds;
    details.font = font_;
    details.tabStop = tabStop;
    details.onClick = [this] { Click(); };
    handle_ = platform::CreateWidget(details);
    tabOrder_ = parent->AddControl(this, inTabOrder);
}

TControl::TControl(const TBounds& bounds, const TFont& font) : bounds_(bounds), font_(font) {}

void TControl::SetBounds(const TBounds& bounds) {
    bounds_ = bounds;
    platform::SetWidgetBounds(handle_, bounds_);
}

void TControl::SetWidth(int width) {
    TBounds b = bounds_;
    b.width = width;
    SetBounds(b);
}

void TControl::SetHeight(int height) {
    TBounds b = bounds_;
    b.height = height;
    SetBounds(b);
}

void TControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    platform::SetWidgetText(handle_, caption_);
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    platform::SetWidgetEnabled(handle_, enabled_);
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    platform::SetWidgetVisible(handle_, visible_);
}

void TControl::SetFont(const TFont& font) {
    font_ = font;
    platform::SetWidgetFont(handle_, font_);
}

void TControl::SetHandCursor(bool hand) {
    handCursor_ = hand;
    platform::SetWidgetHandCursor(handle_, handCursor_);
}

void TControl::SetHint(const std::string& hint) {
    hint_ = hint;
    MirrorHint();
}

void TControl::SetShowHint(bool show) {
    showHint_ = show;
    MirrorHint();
}

void TControl::MirrorHint() const {
    platform::SetWidgetHint(handle_, showHint_ ? hint_ : std::string());
}

void TControl::SetTabOrder(int order) {
    if (tabOrder_ < 0 || parent_ == nullptr) return;  // not a member of the tab order
    tabOrder_ = order;
    parent_->ApplyTabOrder();
}

void TControl::Click() {
    if (OnClick) OnClick();
}

int TWinControl::AddControl(TControl* control, bool inTabOrder) {
    controls_.push_back(control);
    if (!inTabOrder) return -1;
    return tabOrderCount_++;
}

void TWinControl::ApplyTabOrder() {
    std::vector<TControl*> ordered;
    for (TControl* c : controls_) {
        if (c->TabOrder() >= 0) ordered.push_back(c);
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const TControl* a, const TControl* b) {
        return a->TabOrder() < b->TabOrder();
    });
    std::vector<platform::WidgetHandle> handles;
    for (const TControl* c : ordered) handles.push_back(c->Handle());
    platform::SetTabOrder(handles);
}
