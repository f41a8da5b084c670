#include "app/ErrorReport.h"

#include "base/Unicode.h"

namespace brevolt {

const char* const kUnknownErrorMessage = "Unbekannter Fehler";

std::string ErrorReportText(const std::string& message) {
    if (message.empty()) {
        return message;
    }
    // The last character, whole: a multi-byte one always has a code above the full stop.
    const auto lastByte = static_cast<unsigned char>(message.back());
    return lastByte > static_cast<unsigned char>('.') ? message + "." : message;
}

void ReportError(widgets::DialogService& dialogs, const std::string& title,
                 const std::string& message) {
    dialogs.ShowMessage(widgets::MessageKind::Error, title, ErrorReportText(message));
}

void ReportError(Application& app, const std::string& message) {
    ReportError(app.Dialogs(), app.Title(), message);
}

}  // namespace brevolt
