// Native windows and controls for the form toolkit of ui/toolkit/. The
// portable components keep their own state and mirror every change here; the
// user's actions come back through the callbacks given at creation.
//
// Sizes are pixels. A font's height is the character height in pixels (the
// Win32 side hands it on as a negative lfHeight). Everything runs on the main
// thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// Names one native form or control; 0 names none.
using WidgetHandle = std::uint32_t;
constexpr WidgetHandle kNoWidget = 0;

constexpr std::uint8_t kRussianCharset = 204;  // RUSSIAN_CHARSET

struct FontSpec {
    std::string face = "Arial";
    int pixelHeight = 13;
    bool bold = false;
    bool italic = false;
    std::uint8_t charset = kRussianCharset;
};

inline bool operator==(const FontSpec& a, const FontSpec& b) {
    return a.face == b.face && a.pixelHeight == b.pixelHeight && a.bold == b.bold &&
           a.italic == b.italic && a.charset == b.charset;
}
inline bool operator!=(const FontSpec& a, const FontSpec& b) { return !(a == b); }

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline bool operator==(const Bounds& a, const Bounds& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

struct TextSize {
    int width = 0;
    int height = 0;
};

enum class WidgetKind {
    Label,         // static text, drawn in its parent's colour
    Memo,          // read-only multi-line edit with a vertical scroll bar
    CheckBox,      // ticks itself when clicked, then reports the click
    Panel,         // container with a raised one-pixel bevel
    BitmapButton,  // push button with an optional glyph
    GroupBox,      // container with an etched frame and its caption on it
    Edit,          // single-line edit
    Picture,       // a bitmap resource of the program
};

// A top-level form: a caption, a system menu with its close button and no
// other border icons, not resizable, centred on the screen, filled with the
// button-face colour.
struct FormSpec {
    int clientWidth = 0;
    int clientHeight = 0;
    std::string caption;
    FontSpec font;
    bool topmost = false;
    // The user asked to close the form (close button, Alt+F4). The form stays
    // until the portable side calls DestroyForm.
    std::function<void()> onCloseRequest;
};

// A child control, created visible and enabled unless said otherwise.
struct WidgetSpec {
    WidgetKind kind = WidgetKind::Label;
    WidgetHandle parent = kNoWidget;  // the form, a panel or a group box
    Bounds bounds;
    std::string text;
    FontSpec font;
    bool tabStop = false;
    // Clicks of check boxes and buttons (by mouse, Space, Enter or Escape).
    std::function<void()> onClick;
};

WidgetHandle CreateForm(const FormSpec& details);
WidgetHandle CreateWidget(const WidgetSpec& details);

// Destroys the form with all its controls. The form loop ends.
void DestroyForm(WidgetHandle form);

// Shows the form and runs the message loop (with keyboard navigation between
// the controls) until the form is destroyed.
void RunFormLoop(WidgetHandle form);

// Caption of a form, text of any control.
void SetWidgetText(WidgetHandle widget, const std::string& text);
// What the control holds now, including what the user typed. A character
// the text code page lacks reads "?", never a look-alike: a folder typed with
// it is refused as a name, not taken for another folder.
std::string WidgetText(WidgetHandle widget);

void SetWidgetEnabled(WidgetHandle widget, bool enabled);
// For a form: shows or hides its window.
void SetWidgetVisible(WidgetHandle widget, bool visible);
void SetWidgetBounds(WidgetHandle widget, const Bounds& bounds);
void SetWidgetFont(WidgetHandle widget, const FontSpec& font);

void SetWidgetChecked(WidgetHandle checkBox, bool checked);
// Whether the box is ticked now, including by the user.
bool WidgetChecked(WidgetHandle checkBox);

// The hand pointer over the control instead of the arrow.
void SetWidgetHandCursor(WidgetHandle widget, bool hand);

// A tooltip shown while the pointer rests over the control; "" removes it.
void SetWidgetHint(WidgetHandle widget, const std::string& hint);

// Labels: text centred horizontally and vertically, and wrapped at words.
void SetLabelLayout(WidgetHandle label, bool centred, bool wordWrap);

enum class GlyphPlacement { LeftOfCaption, RightOfCaption };

// A button's glyph from a bitmap resource: `imageCount` images of equal width
// side by side (the first for the normal state, the second, if any, for the
// disabled state). The bottom-left pixel's colour is transparent.
void SetButtonGlyph(WidgetHandle button, const std::string& bitmapResource, int imageCount,
                    GlyphPlacement placement);

// A picture's bitmap resource, drawn at the control's top-left corner.
void SetPictureBitmap(WidgetHandle picture, const std::string& bitmapResource);

// Orders sibling controls for the Tab key: first to last.
void SetTabOrder(const std::vector<WidgetHandle>& siblings);

// Enter clicks the default button, Escape the cancel button (one button may
// be both).
void SetDefaultButton(WidgetHandle form, WidgetHandle button);
void SetCancelButton(WidgetHandle form, WidgetHandle button);

// Gives the control the keyboard focus; on a hidden form, as soon as it shows.
void FocusWidget(WidgetHandle widget);

// The extent of `text` on one line in `font`.
TextSize MeasureText(const FontSpec& font, const std::string& text);

}  // namespace platform
