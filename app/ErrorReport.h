#pragma once

#include <exception>
#include <string>

#include "app/Application.h"

namespace brevolt {

// The text the general error report shows: the error's message with a full stop appended when
// its last character has a code above that of the full stop.
std::string ErrorReportText(const std::string& message);

// The general error report: an error box captioned with the application's title.
void ReportError(Application& app, const std::exception& error);

// Runs an event handler; an error that escapes it ends the handler and is reported, and the
// program goes on. True when the handler ran to its end.
template <typename Handler>
bool RunHandler(Application& app, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ReportError(app, error);
    }
    return false;
}

}  // namespace brevolt
