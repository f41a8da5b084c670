#pragma once

namespace brevolt::win32 {

// The control ids of the program's windows, each control its own: UI Automation reports the id
// as the control's AutomationId, so that tools and screen readers tell the controls apart. The
// controls a view takes on lie in one range, by which a notification's sender is known to be one
// of them.
enum class ControlId : int {
    FirstViewed = 0xB700,
    SaveButton = FirstViewed,
    ExitButton,
    Tabs,
    AttachmentGrid,
    OutlookOptions,
    IdentityChoice,
    IdentityOptions,
    ExpressOptions,
    AboutText,
    AboutClose,
    LastViewed = 0xB77F,
    // Controls without a view.
    Header = 0xB780,
    HeaderText,
    PolicyNotice,
    IdentityLabel,
    StatusBar,
    Pages,
};

}  // namespace brevolt::win32
