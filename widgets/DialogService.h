#pragma once

#include <functional>
#include <optional>
#include <string>

namespace brevolt::widgets {

enum class MessageKind {
    Error,         // error icon, "OK"
    Information,   // "OK"
    Confirmation,  // question icon, "&Ja" / "&Nein"
};

// A request for one line of text.
struct TextRequest {
    std::string caption;
    std::string prompt;
    // What is wrong with a text, to be shown to the user; empty when it will do.
    std::function<std::string(const std::string& text)> problem;
};

// Modal dialogs. The Win32 build shows real ones; tests answer them from a script.
class DialogService {
  public:
    virtual ~DialogService() = default;
    // Shows the box and waits; true when the user answered "&Ja" (always true for the others).
    virtual bool ShowMessage(MessageKind kind, const std::string& caption,
                             const std::string& text) = 0;
    // Asks for a text with "OK" and "Abbrechen". A text with a problem is refused with the
    // problem shown as an error, and the dialog stays open. Nothing when the user cancels.
    virtual std::optional<std::string> AskText(const TextRequest& request) = 0;
};

}  // namespace brevolt::widgets
