#pragma once

#include <string>

namespace brevolt::widgets {

enum class MessageKind {
    Error,         // error icon, "OK"
    Information,   // "OK"
    Confirmation,  // question icon, "&Ja" / "&Nein"
};

// Modal message boxes. The Win32 build shows real ones; tests answer them from a script.
class DialogService {
  public:
    virtual ~DialogService() = default;
    // Shows the box and waits; true when the user answered "&Ja" (always true for the others).
    virtual bool ShowMessage(MessageKind kind, const std::string& caption,
                             const std::string& text) = 0;
};

}  // namespace brevolt::widgets
