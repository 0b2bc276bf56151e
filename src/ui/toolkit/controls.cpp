#include "ui/toolkit/controls.h"

using platform::WidgetKind;

TLabel::TLabel(TWinControl* parent, const TBounds& bounds)
    : TControl(parent, WidgetKind::Label, bounds, false, false) {}

void TLabel::SetLayout(bool centred, bool wordWrap) {
    centred_ = centred;
    wordWrap_ = wordWrap;
    platform::SetLabelLayout(Handle(), centred_, wordWrap_);
}

TMemo::TMemo(TWinControl* parent, const TBounds& bounds)
    : TControl(parent, WidgetKind::Memo, bounds, true, true) {}

TCheckBox::TCheckBox(TWinControl* parent, const TBounds& bounds)
    : TControl(parent, WidgetKind::CheckBox, bounds, true, true) {}

void TCheckBox::SetChecked(bool checked) {
    checked_ = checked;
    platform::SetWidgetChecked(Handle(), checked_);
}

void TCheckBox::Click() {
    // The native box has ticked or cleared itself before it reports the click.
    checked_ = platform::WidgetChecked(Handle());
    TControl::Click();
}

TBitBtn::TBitBtn(TWinControl* parent, const TBounds& bounds)
    : TControl(parent, WidgetKind::BitmapButton, bounds, true, true) {}

void TBitBtn::SetGlyph(const std::string& bitmapResource, int numGlyphs,
                       platform::GlyphPlacement layout) {
    glyph_ = bitmapResource;
    numGlyphs_ = numGlyphs;
    layout_ = layout;
    platform::SetButtonGlyph(Handle(), glyph_, numGlyphs_, layout_);
}

TImage::TImage(TWinControl* parent, const TBounds& bounds)
    : TControl(parent, WidgetKind::Picture, bounds, false, false) {}

void TImage::SetPicture(const std::string& bitmapResource) {
    picture_ = bitmapResource;
    platform::SetPictureBitmap(Handle(), picture_);
}

TLabeledEdit::TLabeledEdit(TWinControl* parent, const TBounds& bounds)
    : TControl(parent, WidgetKind::Edit, bounds, true, true), EditLabel(parent, TBounds{}) {
    PlaceLabel();
}

std::string TLabeledEdit::Text() const { return platform::WidgetText(Handle()); }

void TLabeledEdit::SetText(const std::string& text) { SetCaption(text); }

void TLabeledEdit::SetLabelCaption(const std::string& caption) {
    EditLabel.SetCaption(caption);
    PlaceLabel();
}

void TLabeledEdit::SetBounds(const TBounds& bounds) {
    TControl::SetBounds(bounds);
    PlaceLabel();
}

void TLabeledEdit::SetEnabled(bool enabled) {
    TControl::SetEnabled(enabled);
    EditLabel.SetEnabled(enabled);
}

void TLabeledEdit::SetVisible(bool visible) {
    TControl::SetVisible(visible);
    EditLabel.SetVisible(visible);
}

void TLabeledEdit::SetFont(const TFont& font) {
    TControl::SetFont(font);
    EditLabel.SetFont(font);
    PlaceLabel();
}

// The label is as large as its text and stands above the edit's left edge.
void TLabeledEdit::PlaceLabel() {
    platform::TextSize size = platform::MeasureText(EditLabel.Font(), EditLabel.Caption());
    EditLabel.SetBounds({Left(), Top() - size.height - kLabelSpacing, size.width, size.height});
}
