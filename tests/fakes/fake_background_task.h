// The background task without a thread: it runs when it is waited for, so a
// caller that reads its result before waiting reads what it had before.
#pragma once

namespace fake {

class FakeBackgroundTask {
  public:
    void (*task)(void*) = nullptr;
    void* context = nullptr;
    int started = 0;
    int waited = 0;

    void Reset() { *this = FakeBackgroundTask{}; }
};

FakeBackgroundTask& BackgroundTask();

}  // namespace fake
