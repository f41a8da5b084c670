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

// The answer to a question that may also be cancelled.
enum class Answer { Yes, No, Cancel };

// A request for one line of text.
struct TextRequest {
    std::string caption;
    std::string prompt;
    std::string problemCaption;  // the caption of the box that tells a problem
    // What is wrong with a text, to be shown to the user; empty when it will do.
    std::function<std::string(const std::string& text)> problem;
};

// A request for the name of a file to save.
struct SaveRequest {
    std::string caption;
    std::string suggestedName;  // the file name offered, without a folder
    std::string filter;         // the description of the files shown, such as "… (*.reg)"
    std::string extension;      // without the dot; added when the user types none
};

// Modal dialogs. The Win32 build shows real ones; tests answer them from a script.
class DialogService {
  public:
    virtual ~DialogService() = default;
    // Shows the box and waits; true when the user answered "&Ja" (always true for the others).
    virtual bool ShowMessage(MessageKind kind, const std::string& caption,
                             const std::string& text) = 0;
    // A question with "&Ja", "&Nein" and "Abbrechen"; closing the box is "Abbrechen".
    virtual Answer AskYesNoCancel(const std::string& caption, const std::string& text) = 0;
    // Asks for a text with "OK" and "Abbrechen". A text with a problem is refused with the
    // problem shown as an error, and the dialog stays open. Nothing when the user cancels.
    virtual std::optional<std::string> AskText(const TextRequest& request) = 0;
    // The system's dialog for saving a file; the full path chosen, or nothing when cancelled.
    virtual std::optional<std::string> AskSavePath(const SaveRequest& request) = 0;
};

}  // namespace brevolt::widgets
