#include "app/Startup.h"

#include "app/TfrmMain.h"
#include "app/uGlobalVar.h"
#include "base/Exception.h"
#include "resources/Texts.h"

namespace brevolt {

bool CheckWriteAccess(Application& app) {
    using resources::LoadText;
    using resources::TextId;
    if (uGlobalVar::AppDir.empty()) {
        uGlobalVar::AppDir = uGlobalVar::DirectoryOf(app.ExecutablePath());
    }
    if (!uGlobalVar::AppDir.empty() &&
        app.SaveTextLines(uGlobalVar::AppDir + "test.file", {"Test"})) {
        return true;
    }
    const std::string text = LoadText(TextId::ProbeFailedLine1) + "\r\n" +
                             LoadText(TextId::ProbeFailedLine2) + "\r\n" +
                             FormatText(LoadText(TextId::ProbeFailedLine3), uGlobalVar::AppDir);
    app.Dialogs().ShowMessage(widgets::MessageKind::Error, LoadText(TextId::CaptionError), text);
    return false;
}

int RunProgram(Application& app) {
    if (!CheckWriteAccess(app)) {
        return 1;
    }
    uGlobalVar::InitGlobals(app.ExecutablePath());
    {
        TfrmMain mainWindow(app);
        app.Run(mainWindow);
    }
    uGlobalVar::DoneGlobals();
    return 0;
}

}  // namespace brevolt
