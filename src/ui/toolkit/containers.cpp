#include "ui/toolkit/containers.h"

TPanel::TPanel(TWinControl* parent, const TBounds& bounds)
    : TWinControl(parent, platform::WidgetKind::Panel, bounds, true, false) {}

TGroupBox::TGroupBox(TWinControl* parent, const TBounds& bounds)
    : TWinControl(parent, platform::WidgetKind::GroupBox, bounds, true, false) {}
