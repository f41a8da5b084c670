#include "app/TfrmMain.h"

#include "app/ErrorReport.h"
#include "app/TfrmAbout.h"
#include "resources/Texts.h"
#include "unblock/Level1Lists.h"
#include "versions/OutlookVersions.h"
#include "versions/VersionRegistry.h"

namespace brevolt {
namespace {

using resources::LoadText;
using resources::TextId;
using widgets::MenuItem;

const std::string kExpressVersion = "6.0";
constexpr int kExpressTag = -1;
constexpr int kSeparatorTag = -2;

}  // namespace

TfrmMain::TfrmMain(Application& app, Session& session)
    : lblMain(LoadText(TextId::MainHeaderDesign)),
      B_Senden(LoadText(TextId::ButtonSave), LoadText(TextId::ButtonSave)),
      B_Empfangen(LoadText(TextId::ButtonExit), LoadText(TextId::ButtonExit)),
      Label1(LoadText(TextId::IdentityChoose)),
      app_(app),
      session_(session),
      unblockPage_(AdvColumnGrid1, app.Dialogs()),
      optionsPage_(chList),
      expressPage_(pmckOE),
      identitiesPage_(cbIdent, pmCheckId) {
    AdvPageContr.AddPage("AdvTabSheet1", LoadText(TextId::PageUnblock));
    AdvPageContr.AddPage("AdvTabSheet2", LoadText(TextId::PageOptions));
    AdvPageContr.AddPage("AdvTabSheet4", LoadText(TextId::PageIdentities));
    AdvPageContr.AddPage("AdvTabSheet3", LoadText(TextId::PageExpress));

    AdvPageContr.SetOnShow(AdvTabSheet2, Handler(&TfrmMain::AdvTabSheet2Show));
    AdvPageContr.SetOnShow(AdvTabSheet3, Handler(&TfrmMain::AdvTabSheet3Show));
    AdvPageContr.SetOnShow(AdvTabSheet4, Handler(&TfrmMain::AdvTabSheet4Show));
    cbIdent.OnChange = Handler(&TfrmMain::cbIdentChange);
    B_Senden.OnClick = Handler(&TfrmMain::B_SendenClick);
    B_Empfangen.OnClick = Handler(&TfrmMain::B_EmpfangenClick);
    AdvColumnGrid1.OnCheckBoxClick = [this](int col, int row) {
        RunHandler(app_, [&] { unblockPage_.AdvColumnGrid1CheckBoxClick(col, row); });
    };

    auto& file = MainMenu1.Add({"Datei1", LoadText(TextId::MenuFile)});
    file.Add({"Beenden1", LoadText(TextId::MenuFileExit)}).OnClick =
        MenuHandler(&TfrmMain::Beenden1Click);
    MainMenu1.Add({"Outlookwechseln1", LoadText(TextId::MenuSwitch)});
    auto& help = MainMenu1.Add({"Hilfe1", LoadText(TextId::MenuHelp)});
    help.Add({"Bedienung1", LoadText(TextId::MenuHelpManual)}).OnClick =
        MenuHandler(&TfrmMain::Bedienung1Click);
    help.Add({"Homepage1", LoadText(TextId::MenuHelpHomepage)}).OnClick =
        MenuHandler(&TfrmMain::Homepage1Click);
    help.Add({"Kontakt1", LoadText(TextId::MenuHelpAbout)}).OnClick =
        MenuHandler(&TfrmMain::Kontakt1Click);

    PopupMenu1.Add({"Alle1", LoadText(TextId::ExtMenuAll)}).OnClick = [this](MenuItem&) {
        RunHandler(app_, [this] { unblockPage_.Alle1Click(); });
    };
    PopupMenu1.Add({"Keine1", LoadText(TextId::ExtMenuNone)}).OnClick = [this](MenuItem&) {
        RunHandler(app_, [this] { unblockPage_.Keine1Click(); });
    };

    RunHandler(app_, [this] { FormCreate(); });
}

std::function<void()> TfrmMain::Handler(void (TfrmMain::*handler)()) {
    return [this, handler] { RunHandler(app_, [&] { (this->*handler)(); }); };
}

std::function<void(MenuItem&)> TfrmMain::MenuHandler(void (TfrmMain::*handler)()) {
    return [this, handler](MenuItem&) { RunHandler(app_, [&] { (this->*handler)(); }); };
}

void TfrmMain::FormCreate() {
    caption_ = LoadText(TextId::MainTitlePrefix) + EditionLabel();
    BuildVersionMenu();
    unblockPage_.SetUpExtGrid();
    SelectStartVersion();
}

void TfrmMain::BuildVersionMenu() {
    auto& menu = *MainMenu1.Find("Outlookwechseln1");
    const auto onClick = [this](MenuItem& sender) {
        RunHandler(app_, [&] { VersionMenuClick(sender); });
    };
    menu.Add({"OutlookExpress1", LoadText(TextId::MenuSwitchExpress), kExpressTag}).OnClick =
        onClick;
    menu.Add({"N1", "-", kSeparatorTag});
    for (const auto& row : versions::OutlookVersions) {
        menu.Add({"Version" + std::to_string(row.Tag), row.Caption, row.Tag}).OnClick = onClick;
    }
}

void TfrmMain::SelectStartVersion() {
    // The saved version, else the first installed one; and Outlook 2000 whenever none is.
    const auto& rows = versions::OutlookVersions;
    const auto& installed = session_.installed;
    const auto isInstalled = [&](std::size_t row) {
        return row < installed.size() && installed[row];
    };
    if (!session_.savedVersion.empty()) {
        SwitchVersion(session_.savedVersion);
    } else {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (isInstalled(row)) {
                SwitchVersion(rows[row].Key);
                break;
            }
        }
    }
    bool anyInstalled = false;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        anyInstalled = anyInstalled || isInstalled(row);
    }
    if (!anyInstalled) {
        SwitchVersion(rows[0].Key);
    }
}

void TfrmMain::SwitchVersion(const std::string& key) {
    unblockPage_.ConfirmPendingExtChanges(session_.lists);
    const widgets::BatchedUpdate update(AdvColumnGrid1);  // the grid is redrawn once, refilled
    unblockPage_.ClearExtGrid();
    if (versions::CanWriteOfficeKey()) {
        session_.currentVersion = key;
        optionsPage_.VersionSwitched();
        if (key == "9.0") {
            versions::EnsureOutlook9SecurityKey();
        }
        std::string caption;
        versions::CaptionOfVersionKey(key, caption);
        lblMain.SetText(caption);
        // A list whose key cannot be opened keeps what it held.
        auto& lists = session_.lists;
        lists.unblocked = unblock::ReadUnblockedExts(key).value_or(lists.unblocked);
        lists.own = unblock::ReadOwnExts(key).value_or(lists.own);
        lists.blocked = unblock::ReadBlockedExts(key).value_or(lists.blocked);
        unblockPage_.SetUpExtGrid();
        unblockPage_.FillExtGrid(lists, key);
    }
    ApplyMode();
}

void TfrmMain::ApplyMode() {
    const widgets::BatchedUpdate update(AdvPageContr);
    if (InExpressMode()) {
        AdvPageContr.SetTabVisible(AdvTabSheet1, false);
        AdvPageContr.SetTabVisible(AdvTabSheet2, false);
        AdvPageContr.SetTabVisible(AdvTabSheet3, true);
        AdvPageContr.SetTabVisible(AdvTabSheet4, true);
        lblMain.SetText(LoadText(TextId::MainHeaderExpress));
        AdvPageContr.SetActivePage(AdvTabSheet4);
    } else {
        AdvPageContr.SetActivePage(AdvTabSheet1);
        AdvPageContr.SetTabVisible(AdvTabSheet1, true);
        AdvPageContr.SetTabVisible(AdvTabSheet2, true);
        AdvPageContr.SetTabVisible(AdvTabSheet3, false);
        AdvPageContr.SetTabVisible(AdvTabSheet4, false);
    }
}

void TfrmMain::VersionMenuClick(MenuItem& sender) {
    if (sender.Tag >= 0) {
        std::string key;
        versions::VersionKeyOfTag(sender.Tag, key);
        SwitchVersion(key);
    } else if (sender.Tag == kExpressTag) {
        session_.currentVersion = kExpressVersion;
        ApplyMode();
    }
}

void TfrmMain::B_SendenClick() {
    app_.Dialogs().ShowMessage(widgets::MessageKind::Information,
                               LoadText(TextId::CaptionInformation),
                               LoadText(TextId::SaveTakesEffectLater));
    std::vector<std::string> notSaved;
    const auto note = [&notSaved](const std::vector<std::string>& more) {
        notSaved.insert(notSaved.end(), more.begin(), more.end());
    };
    if (InExpressMode()) {
        note(expressPage_.SaveExpressOptions());
        note(identitiesPage_.SaveIdentityOptions());
    } else {
        note(unblockPage_.SaveExtLists(session_.currentVersion, session_.lists));
        note(optionsPage_.SaveOutlookOptions(session_.currentVersion));
        unblockPage_.ForgetPendingChanges();
    }
    ReportNotSaved(notSaved);
    app_.Terminate();
}

void TfrmMain::ReportNotSaved(const std::vector<std::string>& notSaved) {
    if (notSaved.empty()) {
        return;
    }
    std::string text = LoadText(TextId::SaveFailed);
    for (const auto& name : notSaved) {
        text += "\r\n" + name;
    }
    app_.Dialogs().ShowMessage(widgets::MessageKind::Error, LoadText(TextId::CaptionError), text);
}

void TfrmMain::AdvTabSheet2Show() {
    optionsPage_.LoadOutlookOptions(session_.currentVersion);
}

void TfrmMain::AdvTabSheet3Show() {
    expressPage_.LoadExpressOptions();
}

void TfrmMain::AdvTabSheet4Show() {
    identitiesPage_.AdvTabSheet4Show();
}

void TfrmMain::cbIdentChange() {
    identitiesPage_.cbIdentChange();
}

void TfrmMain::Bedienung1Click() {
    app_.ShellOpen(session_.appDir + LoadText(TextId::HelpFileName));
}

void TfrmMain::Homepage1Click() {
    app_.ShellOpen(LoadText(TextId::HomepageAddress));
}

void TfrmMain::Kontakt1Click() {
    TfrmAbout about;
    app_.ShowModal(about);
}

void TfrmMain::B_EmpfangenClick() {
    ExitProgram();
}

void TfrmMain::Beenden1Click() {
    ExitProgram();
}

void TfrmMain::FormShow() {
    RunHandler(app_, [this] { AdvPageContr.Shown(); });
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
    if (session_.settingsFile) {
        session_.settingsFile->WriteSetting(kSettingsSection, kLastVersionSetting,
                                            session_.currentVersion);
    }
}

bool TfrmMain::InExpressMode() const {
    return session_.currentVersion == kExpressVersion;
}

}  // namespace brevolt
