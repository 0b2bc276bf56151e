// GoogleTest for the 32-bit Windows checks, built with MinGW's win32 thread
// model, whose standard library has no std::mutex: this stands in for the one
// class GoogleTest builds on it (a one-shot signal between two threads).
// Every user of GoogleTest's headers sees only its name; GoogleTest's own
// sources, built with NV_GTEST_NOTIFICATION, get it made of a Win32 event, so
// that windows.h stays out of the checks that must compile without it.
#pragma once

namespace testing {
namespace internal {

class Notification;

}  // namespace internal
}  // namespace testing

#ifdef NV_GTEST_NOTIFICATION
#include <windows.h>

class testing::internal::Notification {
  public:
    Notification() : event_(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { ::CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { ::SetEvent(event_); }
    void WaitForNotification() { ::WaitForSingleObject(event_, INFINITE); }

  private:
    HANDLE event_;
};
#endif
