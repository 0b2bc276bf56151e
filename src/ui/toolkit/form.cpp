#include "ui/toolkit/form.h"

#include "ui/toolkit/controls.h"

TForm::TForm(const TFormStyle& style)
    : TWinControl(TBounds{0, 0, style.clientWidth, style.clientHeight}, style.font),
      stayOnTop_(style.stayOnTop) {
    platform::FormSpec details;
    details.clientWidth = style.clientWidth;
    details.clientHeight = style.clientHeight;
    details.font = style.font;
    details.topmost = style.stayOnTop;
    // The close button closes the form like any other way of closing it.
    details.onCloseRequest = [this] { Close(); };
    AdoptHandle(platform::CreateForm(details));
    // Forms start hidden; the loop shows them.
    TWinControl::SetVisible(false);
}

TForm::~TForm() { Close(); }

void TForm::SetDefaultButton(TBitBtn* button) {
    defaultButton_ = button;
    platform::SetDefaultButton(Handle(), button ? button->Handle() : platform::kNoWidget);
}

void TForm::SetCancelButton(TBitBtn* button) {
    cancelButton_ = button;
    platform::SetCancelButton(Handle(), button ? button->Handle() : platform::kNoWidget);
}

void TForm::SetActiveControl(TControl* control) {
    activeControl_ = control;
    if (control != nullptr) platform::FocusWidget(control->Handle());
}

void TForm::Close() {
    if (closed_) return;
    closed_ = true;
    platform::DestroyForm(Handle());
}

void TForm::RunUntilClosed() {
    if (closed_) return;
    TWinControl::SetVisible(true);
    platform::RunFormLoop(Handle());
}
