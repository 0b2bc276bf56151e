#include "fake_clock.h"

namespace fake {

FakeClock& Clock() {
    static FakeClock clock;
    return clock;
}

}  // namespace fake

namespace platform {

void SleepMs(std::uint32_t milliseconds) {
    fake::FakeClock& c = fake::Clock();
    c.sleeps.push_back(milliseconds);
    c.now += milliseconds;
    if (c.afterSleep) c.afterSleep(c.sleeps.size());
}

std::uint64_t TickMs() { return fake::Clock().now; }
std::uint64_t PreciseTickUs() { return fake::Clock().now * 1000; }
LocalDate TodayLocal() { return fake::Clock().today; }
std::uint32_t RandomSeed() { return fake::Clock().seed; }

}  // namespace platform
