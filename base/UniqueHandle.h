#pragma once

#include <utility>

namespace brevolt {

// Move-only owner of a handle of any kind (registry keys, windows, GDI objects, fonts).
// `Close` is a stateless functor; `Null` is the value that owns nothing.
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
    explicit operator bool() const { return handle_ != Null; }

    void reset(Handle handle = Null) {
        if (handle_ != Null) {
            Close{}(handle_);
        }
        handle_ = handle;
    }
    Handle release() { return std::exchange(handle_, Null); }

  private:
    Handle handle_ = Null;
};

}  // namespace brevolt
