// A virtual clock: sleeps advance it at once, so waits of seconds cost nothing.
// Hooks let a test change the world at a given moment (a marker that appears
// after the third sleep, a file that shows up late).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"

namespace fake {

class FakeClock {
  public:
    std::uint64_t now = 1000000;
    std::vector<std::uint32_t> sleeps;  // every sleep, in order
    platform::LocalDate today{2024, 3, 5};
    std::uint32_t seed = 12345;
    // Called after each sleep with the number of sleeps so far.
    std::function<void(std::size_t)> afterSleep;

    void Reset() { *this = FakeClock{}; }
};

FakeClock& Clock();

}  // namespace fake
