// A top-level form: the window the components live in.
#pragma once

#include <string>

#include "ui/toolkit/control.h"

class TBitBtn;

struct TFormStyle {
    int clientWidth = 0;
    int clientHeight = 0;
    TFont font;
    bool stayOnTop = false;
};

class TForm : public TWinControl {
  public:
    // Makes the form's window, still hidden; its components follow.
    explicit TForm(const TFormStyle& style);
    ~TForm() override;

    int ClientWidth() const { return Width(); }
    int ClientHeight() const { return Height(); }
    bool StayOnTop() const { return stayOnTop_; }

    // Enter and Escape; one button may be both.
    TBitBtn* DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(TBitBtn* button);
    TBitBtn* CancelButton() const { return cancelButton_; }
    void SetCancelButton(TBitBtn* button);

    // The control with the keyboard focus once the form shows.
    TControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TControl* control);

    // Destroys the window; the application's loop ends with it.
    void Close();
    bool Closed() const { return closed_; }

    // Shows the form and returns when it has closed.
    void RunUntilClosed();

  private:
    bool stayOnTop_;
    TBitBtn* defaultButton_ = nullptr;
    TBitBtn* cancelButton_ = nullptr;
    TControl* activeControl_ = nullptr;
    bool closed_ = false;
};
