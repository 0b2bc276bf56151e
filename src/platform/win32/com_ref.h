// Holds one reference to a component object and releases it when it goes.
#pragma once

#include <windows.h>

namespace platform {
namespace win32 {

template <typename Interface>
class ComRef {
  public:
    ComRef() = default;
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // For the calls that hand out a new reference through a void**.
    void** out() {
        Reset();
        return reinterpret_cast<void**>(&object_);
    }
    Interface** typedOut() {
        Reset();
        return &object_;
    }

    void Reset() {
        if (object_ != nullptr) object_->Release();
        object_ = nullptr;
    }

  private:
    Interface* object_ = nullptr;
};

}  // namespace win32
}  // namespace platform
