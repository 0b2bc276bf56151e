// Time: the waits of the setup program go through here so that tests can run
// them on a virtual clock.
#pragma once

#include <cstdint>

namespace platform {

void SleepMs(std::uint32_t milliseconds);

// Milliseconds since an arbitrary start; only differences mean anything.
// Coarse: the count may move in steps of 10 to 16 ms.
std::uint64_t TickMs();

// Microseconds since an arbitrary start, as fine as the system's
// performance counter; only differences mean anything.
std::uint64_t PreciseTickUs();

struct LocalDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

LocalDate TodayLocal();

// A seed for the run-time random generator, different from run to run.
std::uint32_t RandomSeed();

}  // namespace platform
