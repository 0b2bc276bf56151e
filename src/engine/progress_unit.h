// The six operations through which the installer drives the one progress
// window of the process. All are called on the main thread; the window lives
// on a thread of its own, started by the first ShowProgress.
#pragma once

#include <cstdint>
#include <string>

// How long SetProgressRange waits for the window thread's bar, and the pause
// between its attempts.
constexpr std::uint64_t kProgressRangeWaitMs = 5000;
constexpr std::uint32_t kProgressRangePauseMs = 10;

// Window up: sets caption and text, moves it back to the screen centre and
// shows it. Otherwise hands both texts to a new window thread and returns at
// once, without waiting for the window.
void ShowProgress(const std::string& caption, const std::string& text);

// Sets the title of a window that is up, or keeps it for the window's creation.
void SetProgressCaption(const std::string& caption);

void SetProgressText(const std::string& text);

// Sets the bar's range to 0..max and waits until the bar reports it, which is
// how the caller learns that the window thread has created its window. The
// wait gives up after kProgressRangeWaitMs: false then, and the installation
// goes on without a window.
bool SetProgressRange(int max);

void SetProgressPosition(int position);

// Hides the window (re-centred), e.g. so that it does not cover a question.
void HideProgress();
