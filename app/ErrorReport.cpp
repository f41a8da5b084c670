#include "app/ErrorReport.h"

#include "base/Unicode.h"

namespace brevolt {

std::string ErrorReportText(const std::string& message) {
    if (message.empty()) {
        return message;
    }
    // The last character, whole: a multi-byte one always has a code above the full stop.
    const auto lastByte = static_cast<unsigned char>(message.back());
    return lastByte > static_cast<unsigned char>('.') ? message + "." : message;
}

void ReportError(Application& app, const std::exception& error) {
    app.Dialogs().ShowMessage(widgets::MessageKind::Error, app.Title(),
                              ErrorReportText(error.what()));
}

}  // namespace brevolt
