// The base of the form toolkit's components. A component keeps its state
// (bounds, caption, enabled, visible, font, tab order, hint, cursor) and
// mirrors each change to its native control at once; clicks on the native
// control come back through Click().
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/form_toolkit.h"

using TFont = platform::FontSpec;
using TBounds = platform::Bounds;

class TWinControl;

class TControl {
  public:
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;
    virtual ~TControl() = default;

    TWinControl* Parent() const { return parent_; }
    platform::WidgetHandle Handle() const { return handle_; }

    const TBounds& BoundsRect() const { return bounds_; }
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    virtual void SetBounds(const TBounds& bounds);
    void SetWidth(int width);
    void SetHeight(int height);

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption);

    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    // A component takes its parent's font when it is made; SetFont gives it its own.
    const TFont& Font() const { return font_; }
    virtual void SetFont(const TFont& font);

    bool HandCursor() const { return handCursor_; }
    void SetHandCursor(bool hand);

    // The hint appears as a tooltip only while ShowHint is on.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show);

    // Position among the siblings that take part in the tab order (-1: none).
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int order);

    std::function<void()> OnClick;

  protected:
    // Makes the native control inside `parent`. Controls that take part in the
    // tab order are placed after the siblings made before them.
    TControl(TWinControl* parent, platform::WidgetKind kind, const TBounds& bounds, bool inTabOrder,
             bool tabStop);
    // For forms, which make their own native window.
    TControl(const TBounds& bounds, const TFont& font);

    // The native control was clicked.
    virtual void Click();

    void AdoptHandle(platform::WidgetHandle handle) { handle_ = handle; }

  private:
    void MirrorHint() const;

    TWinControl* parent_ = nullptr;
    platform::WidgetHandle handle_ = platform::kNoWidget;
    TBounds bounds_;
    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    TFont font_;
    bool handCursor_ = false;
    std::string hint_;
    bool showHint_ = false;
    int tabOrder_ = -1;
};

// A component that holds others: the form, panels, group boxes.
class TWinControl : public TControl {
  public:
    const std::vector<TControl*>& Controls() const { return controls_; }

  protected:
    using TControl::TControl;

  private:
    friend class TControl;
    int AddControl(TControl* control, bool inTabOrder);  // returns its tab order or -1
    void ApplyTabOrder();

    std::vector<TControl*> controls_;
    int tabOrderCount_ = 0;
};
