// The leaf components of the form toolkit.
#pragma once

#include <string>

#include "ui/toolkit/control.h"

// Static text; never sizes itself.
class TLabel : public TControl {
  public:
    TLabel(TWinControl* parent, const TBounds& bounds);

    bool Centred() const { return centred_; }  // horizontally and vertically
    bool WordWrap() const { return wordWrap_; }
    void SetLayout(bool centred, bool wordWrap);

  private:
    bool centred_ = false;
    bool wordWrap_ = false;
};

// Read-only multi-line text with a vertical scroll bar.
class TMemo : public TControl {
  public:
    TMemo(TWinControl* parent, const TBounds& bounds);
    const std::string& Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
};

class TCheckBox : public TControl {
  public:
    TCheckBox(TWinControl* parent, const TBounds& bounds);
    bool Checked() const { return checked_; }
    // Does not run OnClick: only the user's click does.
    void SetChecked(bool checked);

  protected:
    void Click() override;

  private:
    bool checked_ = false;
};

// Push button with a glyph from a bitmap resource.
class TBitBtn : public TControl {
  public:
    TBitBtn(TWinControl* parent, const TBounds& bounds);
    const std::string& Glyph() const { return glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    platform::GlyphPlacement Layout() const { return layout_; }
    void SetGlyph(const std::string& bitmapResource, int numGlyphs,
                  platform::GlyphPlacement layout);

  private:
    std::string glyph_;
    int numGlyphs_ = 1;
    platform::GlyphPlacement layout_ = platform::GlyphPlacement::LeftOfCaption;
};

// A picture from a bitmap resource.
class TImage : public TControl {
  public:
    TImage(TWinControl* parent, const TBounds& bounds);
    const std::string& Picture() const { return picture_; }
    void SetPicture(const std::string& bitmapResource);

  private:
    std::string picture_;
};

// A single-line edit with its label above it. The label follows the edit's
// enabled state, visibility and font, and sits 3 pixels above the edit.
class TLabeledEdit : public TControl {
  public:
    static constexpr int kLabelSpacing = 3;

    TLabeledEdit(TWinControl* parent, const TBounds& bounds);

    TLabel EditLabel;

    // What the edit holds now, including what the user typed.
    std::string Text() const;
    void SetText(const std::string& text);
    void SetLabelCaption(const std::string& caption);

    void SetBounds(const TBounds& bounds) override;
    void SetEnabled(bool enabled) override;
    void SetVisible(bool visible) override;
    void SetFont(const TFont& font) override;

  private:
    void PlaceLabel();
};
