#include "app/Startup.h"

#include "app/MainWindow.h"
#include "base/Exception.h"
#include "resources/Texts.h"

namespace brevolt {

bool CheckWriteAccess(Application& app, Session& session) {
    using resources::LoadText;
    using resources::TextId;
    if (session.appDir.empty()) {
        session.appDir = DirectoryOf(app.ExecutablePath());
    }
    if (!session.appDir.empty() && app.SaveTextLines(session.appDir + "test.file", {"Test"})) {
        return true;
    }
    const std::string text = LoadText(TextId::ProbeFailedLine1) + "\r\n" +
                             LoadText(TextId::ProbeFailedLine2) + "\r\n" +
                             FormatText(LoadText(TextId::ProbeFailedLine3), session.appDir);
    app.Dialogs().ShowMessage(widgets::MessageKind::Error, LoadText(TextId::CaptionError), text);
    return false;
}

int RunProgram(Application& app, Session& session) {
    if (!CheckWriteAccess(app, session)) {
        return 1;
    }
    PrepareSession(session, app.ExecutablePath());
    {
        MainWindow mainWindow(app, session);
        app.Run(mainWindow);
    }
    ReleaseSession(session);
    return 0;
}

}  // namespace brevolt
