#pragma once

#include <utility>

namespace brevolt {

// Move-only owner of a handle of any kind (registry keys, windows, GDI objects, fonts, files).
// `Close` is a stateless functor. A handle owns nothing when it equals `Null`, or, where the
// kind has more than one such value, when `Close::IsEmpty` says so (a file handle is empty when
// null or INVALID_HANDLE_VALUE).
template <typename Handle, typename Close, Handle Null = Handle{}>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Null)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, Null));
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return !IsEmpty(handle_); }

    void reset(Handle handle = Null) {
        const Handle old = std::exchange(handle_, handle);
        if (!IsEmpty(old)) {
            Close{}(old);
        }
    }
    Handle release() { return std::exchange(handle_, Null); }

  private:
    static bool IsEmpty(Handle handle) {
        if constexpr (requires { Close::IsEmpty(handle); }) {
            return Close::IsEmpty(handle);
        } else {
            return handle == Null;
        }
    }

    Handle handle_ = Null;
};

}  // namespace brevolt
