// Components that hold others inside the form.
#pragma once

#include "ui/toolkit/control.h"

// A plain area with a raised bevel.
class TPanel : public TWinControl {
  public:
    TPanel(TWinControl* parent, const TBounds& bounds);
};

// A frame with its caption on the top edge.
class TGroupBox : public TWinControl {
  public:
    TGroupBox(TWinControl* parent, const TBounds& bounds);
};
