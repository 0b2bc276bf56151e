#include "engine/progress_unit.h"

#include "platform/clock.h"
#include "platform/progress_window.h"

void ShowProgress(const std::string& caption, const std::string& text) {
    if (platform::ProgressWindowIsUp()) {
        SetProgressCaption(caption);
        SetProgressText(text);
        platform::PlaceProgressWindow(true);
    } else {
        platform::StartProgressWindowThread(caption, text);
    }
}

void SetProgressCaption(const std::string& caption) {
    if (platform::ProgressWindowIsUp()) {
        platform::SetProgressWindowCaption(caption);
    } else {
        platform::StoreProgressCaption(caption);
    }
}

void SetProgressText(const std::string& text) { platform::SetProgressTextLine(text); }

bool SetProgressRange(int max) {
    const std::uint64_t start = platform::TickMs();
    // A bar that does not exist yet reports 0: keep asking until the window
    // thread has made it, but not for ever, since a thread whose window
    // never comes up would otherwise hang the installation.
    while (platform::SetAndReadProgressRange(max) != max) {
        if (platform::TickMs() - start >= kProgressRangeWaitMs) return false;
        platform::SleepMs(kProgressRangePauseMs);
    }
    return true;
}

void SetProgressPosition(int position) { platform::SetProgressBarPosition(position); }

void HideProgress() { platform::PlaceProgressWindow(false); }
