// The progress window as a record of what reached it. The window thread is
// modelled by `comesUp`: whether a started thread ever creates the window.
#pragma once

#include <string>
#include <vector>

#include "platform/progress_window.h"

namespace fake {

class FakeProgressWindow {
  public:
    bool comesUp = true;  // a started thread creates the window at once
    int threadsStarted = 0;
    bool up = false;
    bool visible = false;
    std::string caption;
    std::string text;
    std::string storedCaption;
    int rangeMax = 0;
    int position = 0;
    std::vector<std::string>
        calls;  // "start", "caption X", "text X", "range N", "pos N", "show", "hide"

    void Reset() { *this = FakeProgressWindow{}; }
};

FakeProgressWindow& ProgressWindow();

}  // namespace fake
