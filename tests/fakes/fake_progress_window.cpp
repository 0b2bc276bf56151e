#include "fake_progress_window.h"

namespace fake {

FakeProgressWindow& ProgressWindow() {
    static FakeProgressWindow window;
    return window;
}

}  // namespace fake

namespace platform {

void StartProgressWindowThread(const std::string& caption, const std::string& text) {
    fake::FakeProgressWindow& w = fake::ProgressWindow();
    ++w.threadsStarted;
    w.calls.push_back("start " + caption + "|" + text);
    if (w.comesUp && !w.up) {
        w.up = true;
        w.visible = true;
        w.caption = caption;
        w.text = text;
    }
}

bool ProgressWindowIsUp() { return fake::ProgressWindow().up; }

void StoreProgressCaption(const std::string& caption) {
    fake::ProgressWindow().storedCaption = caption;
    fake::ProgressWindow().calls.push_back("store " + caption);
}

void SetProgressWindowCaption(const std::string& caption) {
    fake::FakeProgressWindow& w = fake::ProgressWindow();
    w.calls.push_back("caption " + caption);
    if (w.up) w.caption = caption;
}

void SetProgressTextLine(const std::string& text) {
    fake::FakeProgressWindow& w = fake::ProgressWindow();
    w.calls.push_back("text " + text);
    if (w.up) w.text = text;
}

int SetAndReadProgressRange(int max) {
    fake::FakeProgressWindow& w = fake::ProgressWindow();
    w.calls.push_back("range " + std::to_string(max));
    if (!w.up) return 0;
    w.rangeMax = max;
    return max;
}

void SetProgressBarPosition(int position) {
    fake::FakeProgressWindow& w = fake::ProgressWindow();
    w.calls.push_back("pos " + std::to_string(position));
    if (w.up) w.position = position;
}

void PlaceProgressWindow(bool visible) {
    fake::FakeProgressWindow& w = fake::ProgressWindow();
    w.calls.push_back(visible ? "show" : "hide");
    if (w.up) w.visible = visible;
}

}  // namespace platform
