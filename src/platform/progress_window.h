// The progress window's own thread and window. The portable progress
// operations (engine/progress_unit) decide when to call what; these calls only
// reach the window.
#pragma once

#include <string>

namespace platform {

// Stores the caption and text for the window's creation and starts a new
// window thread. Returns at once, without waiting for the window.
void StartProgressWindowThread(const std::string& caption, const std::string& text);

// True once a window thread has created the window and both its controls.
bool ProgressWindowIsUp();

// Only stores the caption for the window's creation (window not up yet).
void StoreProgressCaption(const std::string& caption);

void SetProgressWindowCaption(const std::string& caption);
void SetProgressTextLine(const std::string& text);

// PBM_SETRANGE32 (0, max), then PBM_GETRANGE(0, 0): the upper limit the bar
// reports, or 0 while the bar does not exist.
int SetAndReadProgressRange(int max);

void SetProgressBarPosition(int position);

// Moves the window to the screen centre at 408 x 76, topmost, and shows or hides it.
// This and the text line are handed to the window's thread without waiting for it.
void PlaceProgressWindow(bool visible);

}  // namespace platform
