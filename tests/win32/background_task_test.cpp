// The background task runs on a thread of its own, and what it wrote is there
// once it has been waited for, task after task.
#include "platform/background_task.h"

#include <windows.h>

#include "check.h"

namespace {

struct Slowly {
    DWORD thread = 0;
    int runs = 0;

    static void Run(void* self) {
        auto* s = static_cast<Slowly*>(self);
        ::Sleep(50);  // still running when the caller goes on
        s->thread = ::GetCurrentThreadId();
        ++s->runs;
    }
};

}  // namespace

TEST(BackgroundTask, RunsBesideTheCallerAndIsDoneOnceWaitedFor) {
    Slowly slowly;
    for (int round = 1; round <= 3; ++round) {
        platform::StartBackgroundTask(&Slowly::Run, &slowly);
        platform::WaitForBackgroundTask();
        EXPECT_EQ(slowly.runs, round);
        EXPECT_NE(slowly.thread, ::GetCurrentThreadId());
        EXPECT_NE(slowly.thread, 0u);
    }
    platform::WaitForBackgroundTask();  // nothing started: returns at once
    EXPECT_EQ(slowly.runs, 3);
}
