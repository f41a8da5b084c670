#pragma once

#include <functional>
#include <string>

#include "widgets/ChangeNotifier.h"

// The simple controls: their state is a text or two, their event a click.
namespace brevolt::widgets {

class Label : public ChangeNotifier {
  public:
    explicit Label(std::string text = {}) : text_(std::move(text)) {}
    const std::string& Text() const { return text_; }
    void SetText(std::string text) {
        text_ = std::move(text);
        changed();
    }

  private:
    std::string text_;
};

// A flat button with a caption and a hint (shown as a tooltip).
class FlatButton {
  public:
    FlatButton(std::string caption, std::string hint)
        : caption_(std::move(caption)), hint_(std::move(hint)) {}
    const std::string& Caption() const { return caption_; }
    const std::string& Hint() const { return hint_; }
    // The user clicked it.
    void Click() {
        if (OnClick) {
            OnClick();
        }
    }
    std::function<void()> OnClick;

  private:
    std::string caption_;
    std::string hint_;
};

}  // namespace brevolt::widgets
