// Native forms and controls kept as plain records, with the user's actions a
// test can perform on them. An action reaches a control only as it would on
// screen: the control, its parents and its form visible and enabled.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/form_toolkit.h"

namespace fake {

struct FakeWidget {
    bool isForm = false;
    platform::WidgetKind kind = platform::WidgetKind::Label;  // meaningless for forms
    platform::WidgetHandle parent = platform::kNoWidget;
    platform::Bounds bounds;  // for a form: its client size
    std::string text;
    platform::FontSpec font;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool tabStop = false;
    bool handCursor = false;
    std::string hint;
    bool centred = false;
    bool wordWrap = false;
    std::string bitmap;  // glyph or picture resource
    int imageCount = 0;
    platform::GlyphPlacement placement = platform::GlyphPlacement::LeftOfCaption;
    // Forms only.
    bool topmost = false;
    platform::WidgetHandle defaultButton = platform::kNoWidget;
    platform::WidgetHandle cancelButton = platform::kNoWidget;
    bool destroyed = false;

    std::function<void()> onClick;
    std::function<void()> onCloseRequest;
};

class FakeFormToolkit {
  public:
    std::map<platform::WidgetHandle, FakeWidget> widgets;
    // The last tab order set for each parent's children.
    std::map<platform::WidgetHandle, std::vector<platform::WidgetHandle>> tabOrders;
    platform::WidgetHandle focused = platform::kNoWidget;
    // Every form shown or hidden, in order: "show 1", "hide 1".
    std::vector<std::string> formJournal;
    // Every change of a control's enabled state, in order.
    std::vector<std::pair<platform::WidgetHandle, bool>> enabledChanges;

    // What the user does while a form loop runs (run once, then forgotten).
    std::function<void()> userActions;
    int loopRuns = 0;

    void Reset();

    FakeWidget& Widget(platform::WidgetHandle handle);
    platform::WidgetHandle Create(FakeWidget widget);
    // The form a control lives in.
    platform::WidgetHandle FormOf(platform::WidgetHandle handle) const;

    // Visible and enabled up to and including its form, which is not destroyed.
    bool Reachable(platform::WidgetHandle handle) const;

    // The user's actions. Each answers whether it reached its control.
    bool Click(platform::WidgetHandle handle);  // a check box ticks or clears itself first
    bool Type(platform::WidgetHandle edit, const std::string& text);  // replaces the text
    bool PressEnter(platform::WidgetHandle form);
    bool PressEscape(platform::WidgetHandle form);
    void RequestClose(platform::WidgetHandle form);  // the close button

  private:
    platform::WidgetHandle next_ = 1;
};

FakeFormToolkit& FormToolkit();

// The fake's text metrics: every character is pixelHeight / 2 wide (one more
// pixel in bold), the line pixelHeight + 2 high.
platform::TextSize FakeTextExtent(const platform::FontSpec& font, const std::string& text);

}  // namespace fake
