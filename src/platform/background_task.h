// Work beside the caller: one task at a time on a second thread of the
// process, so that a pass over bytes in memory (a payload item's checksum)
// takes no time from the thread that writes the same bytes to disk.
#pragma once

namespace platform {

// Starts task(context) and returns at once. Where no second thread can be
// had, the task runs before this returns. Each start is matched by one
// WaitForBackgroundTask before the next start; until then the task may be
// running, so what it writes is not to be read.
void StartBackgroundTask(void (*task)(void*), void* context);

// Returns once the task started last has run to its end.
void WaitForBackgroundTask();

}  // namespace platform
