#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "widgets/DialogService.h"

namespace brevolt::win32 {

// A small modal dialog that asks for one line of text: the prompt, an edit box with the focus,
// "OK" (the default button) and "Abbrechen"; Enter and Esc answer as they do in any dialog. A
// text the request refuses is told in an error box over the dialog, which then stays open with
// the text selected. Nothing when the user cancels.
std::optional<std::string> AskTextModal(
    HWND owner, const widgets::TextRequest& request,
    const std::function<void(HWND dialog, const std::string& problem)>& tellProblem);

}  // namespace brevolt::win32
