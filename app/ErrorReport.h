#pragma once

#include <exception>
#include <string>

#include "app/Application.h"
#include "widgets/DialogService.h"

namespace brevolt {

// What the general error report says of an error that is no std::exception: such an error
// carries no text of its own.
extern const char* const kUnknownErrorMessage;

// The text the general error report shows: the error's message with a full stop appended when
// its last character has a code above that of the full stop.
std::string ErrorReportText(const std::string& message);

// The general error report: an error box with the message's report text, captioned with the
// title. This form serves where the application object is out of reach (a procedure that the
// system calls).
void ReportError(widgets::DialogService& dialogs, const std::string& title,
                 const std::string& message);

// The general error report captioned with the application's title.
void ReportError(Application& app, const std::string& message);

// Runs an event handler; an error of any kind that escapes it ends the handler and is reported,
// and the program goes on. True when the handler ran to its end.
template <typename Handler>
bool RunHandler(Application& app, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ReportError(app, error.what());
    } catch (...) {
        ReportError(app, kUnknownErrorMessage);
    }
    return false;
}

}  // namespace brevolt
