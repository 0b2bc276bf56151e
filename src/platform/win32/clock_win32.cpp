#include <windows.h>

#include "platform/clock.h"

namespace platform {

void SleepMs(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

std::uint64_t TickMs() { return ::GetTickCount64(); }

LocalDate TodayLocal() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return LocalDate{now.wYear, now.wMonth, now.wDay};
}

std::uint32_t RandomSeed() {
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    return static_cast<std::uint32_t>(counter.QuadPart) ^ ::GetCurrentProcessId();
}

}  // namespace platform
