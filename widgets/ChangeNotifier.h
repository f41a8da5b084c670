#pragma once

#include <functional>

namespace brevolt::widgets {

// A model's change event for its view. While an update is held (BatchedUpdate), changes are
// gathered and the event is raised once when the outermost hold ends, so that a view redraws
// a page's worth of changes once rather than once per cell.
class ChangeNotifier {
  public:
    // Raised after every change, or after a held update that changed something.
    std::function<void()> OnChanged;

    void BeginUpdate() { ++holds_; }
    void EndUpdate() {
        if (--holds_ == 0 && pending_) {
            pending_ = false;
            changed();
        }
    }

  protected:
    void changed() const {
        if (holds_ > 0) {
            pending_ = true;
        } else if (OnChanged) {
            OnChanged();
        }
    }

  private:
    int holds_ = 0;
    mutable bool pending_ = false;
};

// Holds the updates of a model for its lifetime.
class BatchedUpdate {
  public:
    explicit BatchedUpdate(ChangeNotifier& model) : model_(model) { model_.BeginUpdate(); }
    ~BatchedUpdate() { model_.EndUpdate(); }
    BatchedUpdate(const BatchedUpdate&) = delete;
    BatchedUpdate& operator=(const BatchedUpdate&) = delete;

  private:
    ChangeNotifier& model_;
};

}  // namespace brevolt::widgets
