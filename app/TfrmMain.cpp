#include "app/TfrmMain.h"

#include "app/ErrorReport.h"
#include "app/uGlobalVar.h"
#include "resources/Texts.h"

namespace brevolt {

TfrmMain::TfrmMain(Application& app) : app_(app) {
    RunHandler(app_, [this] { FormCreate(); });
}

void TfrmMain::FormCreate() {
    caption_ = resources::LoadText(resources::TextId::MainTitlePrefix) + uGlobalVar::EditionLabel;
}

void TfrmMain::B_EmpfangenClick() {
    RunHandler(app_, [this] { ExitProgram(); });
}

void TfrmMain::Beenden1Click() {
    RunHandler(app_, [this] { ExitProgram(); });
}

void TfrmMain::FormCloseQuery(bool& canClose) {
    canClose = RunHandler(app_, [this] { ExitProgram(); });
}

void TfrmMain::FormEndSession() {
    try {
        StoreLastVersion();
    } catch (const std::exception&) {
        // A box now would hold up the end of the session; the setting is lost instead.
    }
}

void TfrmMain::ExitProgram() {
    StoreLastVersion();
    app_.Terminate();
}

void TfrmMain::StoreLastVersion() {
    if (uGlobalVar::SettingsFile) {
        uGlobalVar::SettingsFile->WriteSetting(uGlobalVar::SettingsSection,
                                               uGlobalVar::LastVersionSetting,
                                               uGlobalVar::CurrentVersion);
    }
}

}  // namespace brevolt
