#include "ui/toolkit/application.h"

#include "ui/toolkit/form.h"

TApplication& Application() {
    static TApplication application;
    return application;
}

void TApplication::Run() {
    if (mainForm_ != nullptr) mainForm_->RunUntilClosed();
}
