#pragma once

#include <functional>
#include <utility>

namespace brevolt::win32 {

// Ties a view to one hook of its model (a change event, a text measure) for as long as the
// binding lives: installed at once, taken back when the binding goes. A model outlives its
// view, and must never call into a view that is gone.
class ModelBinding {
  public:
    // Sets the model's hook (a std::function) to the handler, and back to empty at the end.
    template <typename Hook, typename Handler>
    ModelBinding(Hook& hook, Handler handler) : unbind_([&hook] { hook = nullptr; }) {
        hook = std::move(handler);
    }
    // For hooks behind a setter: `bind` now, `unbind` at the end.
    ModelBinding(const std::function<void()>& bind, std::function<void()> unbind)
        : unbind_(std::move(unbind)) {
        bind();
    }
    ModelBinding(ModelBinding&& other) noexcept : unbind_(std::exchange(other.unbind_, nullptr)) {}
    ModelBinding& operator=(ModelBinding&&) = delete;
    ModelBinding(const ModelBinding&) = delete;
    ModelBinding& operator=(const ModelBinding&) = delete;
    ~ModelBinding() {
        if (unbind_) {
            unbind_();
        }
    }

  private:
    std::function<void()> unbind_;
};

}  // namespace brevolt::win32
