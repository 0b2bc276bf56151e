#include <windows.h>

#include "platform/clock.h"
#include "system_library.h"

namespace platform {

void SleepMs(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

std::uint64_t TickMs() {
    // GetTickCount64 is newer than Windows XP; there the 32-bit count, which
    // wraps every 49.7 days, is carried on in 64 bits.
    using Tick64Function = ULONGLONG(WINAPI*)();
    static const auto tick64 = win32::SystemProc<Tick64Function>("kernel32.dll", "GetTickCount64");
    if (tick64 != nullptr) return tick64();
    static DWORD last = 0;
    static std::uint64_t wraps = 0;
    const DWORD now = ::GetTickCount();
    if (now < last) ++wraps;
    last = now;
    return (wraps << 32) | now;
}

std::uint64_t PreciseTickUs() {
    static LARGE_INTEGER frequency = {};
    if (frequency.QuadPart == 0) ::QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER counter;
    ::QueryPerformanceCounter(&counter);
    const std::uint64_t count = static_cast<std::uint64_t>(counter.QuadPart);
    const std::uint64_t perSecond = static_cast<std::uint64_t>(frequency.QuadPart);
    // In two steps, so that the product does not overflow.
    return count / perSecond * 1000000 + count % perSecond * 1000000 / perSecond;
}

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
