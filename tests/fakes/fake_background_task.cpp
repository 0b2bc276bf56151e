#include "fake_background_task.h"

#include <gtest/gtest.h>

#include "platform/background_task.h"

namespace fake {

FakeBackgroundTask& BackgroundTask() {
    static FakeBackgroundTask background;
    return background;
}

}  // namespace fake

namespace platform {

void StartBackgroundTask(void (*task)(void*), void* context) {
    fake::FakeBackgroundTask& b = fake::BackgroundTask();
    if (b.task != nullptr)
        ADD_FAILURE() << "a background task started before the last was waited for";
    b.task = task;
    b.context = context;
    ++b.started;
}

void WaitForBackgroundTask() {
    fake::FakeBackgroundTask& b = fake::BackgroundTask();
    ++b.waited;
    if (b.task == nullptr) return;
    void (*task)(void*) = b.task;
    b.task = nullptr;
    task(b.context);
}

}  // namespace platform
