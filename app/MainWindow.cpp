#include "app/MainWindow.h"

#include <algorithm>

#include "app/AboutDialog.h"
#include "app/ErrorReport.h"
#include "base/Exception.h"
#include "registry/AllOrNothing.h"
#include "registry/Exceptions.h"
#include "registry/PlanningRegistry.h"
#include "registry/RegFile.h"
#include "resources/Texts.h"
#include "unblock/ExtensionList.h"
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

MainWindow::MainWindow(Application& app, Session& session)
    : header(LoadText(TextId::MainHeaderDesign)),
      saveButton(LoadText(TextId::ButtonSave), LoadText(TextId::ButtonSave)),
      exitButton(LoadText(TextId::ButtonExit), LoadText(TextId::ButtonExit)),
      identityLabel(LoadText(TextId::IdentityChoose)),
      app_(app),
      session_(session),
      unblockPage_(attachmentGrid, app.Dialogs()),
      optionsPage_(outlookOptions),
      expressPage_(expressOptions),
      identitiesPage_(identityChoice, identityOptions) {
    pages.AddPage("unblocking", LoadText(TextId::PageUnblock));
    pages.AddPage("options", LoadText(TextId::PageOptions));
    pages.AddPage("identities", LoadText(TextId::PageIdentities));
    pages.AddPage("express", LoadText(TextId::PageExpress));

    pages.SetOnShow(OptionsTab, Handler(&MainWindow::OptionsPageShown));
    pages.SetOnShow(ExpressTab, Handler(&MainWindow::ExpressPageShown));
    pages.SetOnShow(IdentitiesTab,
                    [this] { RunHandler(app_, [this] { identitiesPage_.Shown(); }); });
    // A disabled option says why in the status bar while it has the keyboard focus.
    outlookOptions.OnItemFocused = [this](int) { RunHandler(app_, [this] { UpdateStatus(); }); };
    for (auto* list : {&outlookOptions, &identityOptions, &expressOptions}) {
        list->OnToggledByUser = [this](int) { RunHandler(app_, [this] { UpdateStatus(); }); };
    }
    identityChoice.OnChange = [this] {
        RunHandler(app_, [this] {
            identitiesPage_.IdentityChosen();
            UpdateStatus();
        });
    };
    saveButton.OnClick = Handler(&MainWindow::Save);
    exitButton.OnClick = Handler(&MainWindow::Exit);
    attachmentGrid.OnCheckBoxClick = [this](int col, int row) {
        RunHandler(app_, [&] {
            unblockPage_.BoxToggled(col, row);
            UpdateStatus();
        });
    };

    auto& file = mainMenu.Add({"file", LoadText(TextId::MenuFile)});
    file.Add({"export", LoadText(TextId::MenuFileExport)}).OnClick =
        MenuHandler(&MainWindow::Export);
    file.Add({"undo", LoadText(TextId::MenuFileUndo)}).OnClick =
        MenuHandler(&MainWindow::UndoLastSave);
    file.Add({"exit", LoadText(TextId::MenuFileExit)}).OnClick = MenuHandler(&MainWindow::Exit);
    mainMenu.Add({"switch", LoadText(TextId::MenuSwitch)});
    auto& help = mainMenu.Add({"help", LoadText(TextId::MenuHelp)});
    help.Add({"manual", LoadText(TextId::MenuHelpManual)}).OnClick =
        MenuHandler(&MainWindow::OpenManual);
    help.Add({"homepage", LoadText(TextId::MenuHelpHomepage)}).OnClick =
        MenuHandler(&MainWindow::OpenHomepage);
    help.Add({"about", LoadText(TextId::MenuHelpAbout)}).OnClick =
        MenuHandler(&MainWindow::ShowAbout);

    gridMenu.Add({"all", LoadText(TextId::ExtMenuAll)}).OnClick =
        GridMenuHandler([this] { unblockPage_.TickAll(); });
    gridMenu.Add({"none", LoadText(TextId::ExtMenuNone)}).OnClick =
        GridMenuHandler([this] { unblockPage_.TickNone(); });
    gridMenu.Add({"add", LoadText(TextId::ExtMenuAdd)}).OnClick =
        GridMenuHandler([this] { AddFileType(); });

    RunHandler(app_, [this] { Create(); });
}

std::function<void()> MainWindow::Handler(void (MainWindow::*handler)()) {
    return [this, handler] { RunHandler(app_, [&] { (this->*handler)(); }); };
}

std::function<void(MenuItem&)> MainWindow::GridMenuHandler(std::function<void()> action) {
    return [this, action = std::move(action)](MenuItem&) {
        RunHandler(app_, [&] {
            action();
            UpdateStatus();
        });
    };
}

std::function<void(MenuItem&)> MainWindow::MenuHandler(void (MainWindow::*handler)()) {
    return [this, handler](MenuItem&) { RunHandler(app_, [&] { (this->*handler)(); }); };
}

void MainWindow::Create() {
    caption_ = LoadText(TextId::MainTitlePrefix) + EditionLabel();
    mainMenu.Find("undo")->enabled = app_.FileExists(UndoFilePath());
    BuildVersionMenu();
    unblockPage_.SetUpExtGrid();
    SelectStartVersion();
}

void MainWindow::BuildVersionMenu() {
    auto& menu = *mainMenu.Find("switch");
    const auto onClick = [this](MenuItem& sender) {
        RunHandler(app_, [&] { VersionChosen(sender); });
    };
    menu.Add({"express", LoadText(TextId::MenuSwitchExpress), kExpressTag}).OnClick = onClick;
    menu.Add({"separator", "-", kSeparatorTag});
    for (const auto& row : versions::OutlookVersions) {
        menu.Add({"version" + std::to_string(row.tag), versions::MenuCaption(row), row.tag})
            .OnClick = onClick;
    }
    for (auto& item : menu.items) {
        item.radio = !item.IsSeparator();
    }
}

void MainWindow::MarkVersionInMenu() {
    const auto* row = versions::FindVersion(session_.currentVersion);
    const int shown = InExpressMode() ? kExpressTag : row ? row->tag : kSeparatorTag;
    for (auto& item : mainMenu.Find("switch")->items) {
        item.checked = item.radio && item.tag == shown;
    }
}

void MainWindow::SelectStartVersion() {
    // The saved version, else the first installed one; and Outlook 2000 whenever none is.
    const auto& rows = versions::OutlookVersions;
    const auto& installed = session_.installed;  // one flag per row
    const auto firstInstalled = std::find(installed.begin(), installed.end(), true);
    if (!session_.savedVersion.empty()) {
        SwitchVersion(session_.savedVersion);
    } else if (firstInstalled != installed.end()) {
        SwitchVersion(rows.at(firstInstalled - installed.begin()).key);
    }
    if (firstInstalled == installed.end()) {
        SwitchVersion(rows[0].key);
    }
}

void MainWindow::SwitchVersion(const std::string& key) {
    KeepUndo(unblockPage_.ConfirmPendingExtChanges(session_.lists));
    const widgets::BatchedUpdate update(attachmentGrid);  // the grid is redrawn once, refilled
    unblockPage_.ClearExtGrid();
    std::string notice;  // none when the switch fails
    if (versions::CanWriteOfficeKey()) {
        session_.currentVersion = key;
        optionsPage_.VersionSwitched();
        expressPage_.Forget();
        identitiesPage_.Forget();
        std::string caption;
        versions::CaptionOfVersionKey(key, caption);
        header.SetText(caption);
        auto& lists = session_.lists;
        lists.unblocked = unblock::ReadUnblockedExts(key).value_or(std::string());
        lists.own = unblock::ReadOwnExts(key).value_or(std::string());
        lists.blocked = unblock::ReadBlockedExts(key).value_or(std::string());
        // Policies concern Outlook's own versions; "6.0" and unknown keys have none.
        const auto* version = versions::FindVersion(key);
        const auto policy =
            version ? unblock::ReadAttachmentPolicy(*version) : unblock::AttachmentPolicy{};
        notice = unblock::PolicyNotice(policy);
        unblockPage_.SetUpExtGrid();
        unblockPage_.FillExtGrid(lists, versions::VersionOrClassic(key), policy);
    }
    if (notice != policyNotice.Text()) {
        policyNotice.SetText(notice);  // the page is laid out anew only when the notice changes
    }
    ApplyMode();
}

void MainWindow::ApplyMode() {
    MarkVersionInMenu();
    const widgets::BatchedUpdate update(pages);
    if (InExpressMode()) {
        pages.SetTabVisible(UnblockingTab, false);
        pages.SetTabVisible(OptionsTab, false);
        pages.SetTabVisible(ExpressTab, true);
        pages.SetTabVisible(IdentitiesTab, true);
        header.SetText(LoadText(TextId::MainHeaderExpress));
        pages.SetActivePage(IdentitiesTab);
    } else {
        pages.SetActivePage(UnblockingTab);
        pages.SetTabVisible(UnblockingTab, true);
        pages.SetTabVisible(OptionsTab, true);
        pages.SetTabVisible(ExpressTab, false);
        pages.SetTabVisible(IdentitiesTab, false);
    }
    UpdateStatus();
}

void MainWindow::UpdateStatus() {
    std::string notice;
    if (!InExpressMode()) {
        const int focusedOption = outlookOptions.FocusedItem();
        notice = focusedOption >= 0 && !outlookOptions.ItemAt(focusedOption).hint.empty()
                     ? outlookOptions.ItemAt(focusedOption).hint
                     : policyNotice.Text();
        std::replace(notice.begin(), notice.end(), '\r', ' ');
        notice.erase(std::remove(notice.begin(), notice.end(), '\n'), notice.end());
    }
    if (notice != statusNotice.Text()) {
        statusNotice.SetText(notice);
    }
    const std::string changes =
        HasUnsavedChanges() ? LoadText(TextId::ExtPendingChanges) : std::string();
    if (changes != statusChanges.Text()) {
        statusChanges.SetText(changes);
    }
}

void MainWindow::VersionChosen(MenuItem& sender) {
    if (sender.tag >= 0) {
        std::string key;
        versions::VersionKeyOfTag(sender.tag, key);
        SwitchVersion(key);
    } else if (sender.tag == kExpressTag) {
        if (!InExpressMode()) {
            // Coming from Outlook: the pages show Outlook Express's settings as stored now.
            expressPage_.Forget();
            identitiesPage_.Forget();
        }
        session_.currentVersion = kExpressVersion;
        ApplyMode();
    }
}

void MainWindow::Save() {
    std::string information = LoadText(TextId::SaveTakesEffectLater);
    if (!InExpressMode() && !policyNotice.Text().empty()) {
        information += "\r\n\r\n" + policyNotice.Text();
    }
    ShowInformation(information);
    // Planned first, then made all at once: a save never half-happens.
    auto lists = session_.lists;
    std::vector<std::string> notSaved;
    const auto changes = registry::PlanWrites([&] { notSaved = WriteSettings(lists); });
    if (!notSaved.empty()) {
        ReportNotSaved(notSaved);  // nothing is written when part of it could not be planned
        return;
    }
    const auto outcome = registry::ApplyAllOrNothing(registry::CurrentRegistryBackend(), changes);
    if (!outcome.Succeeded()) {
        ReportFailedSave(outcome);
        return;  // the program stays open with the user's choices, unsaved
    }
    session_.lists = lists;
    if (!InExpressMode()) {
        unblockPage_.ForgetPendingChanges();
        UpdateStatus();
    }
    KeepUndo(outcome);
    app_.Terminate();
}

void MainWindow::ReportFailedSave(const registry::WriteOutcome& outcome) {
    ShowError(registry::FailedWriteReport(outcome));
}

void MainWindow::ShowError(const std::string& text) {
    app_.Dialogs().ShowMessage(widgets::MessageKind::Error, LoadText(TextId::CaptionError), text);
}

void MainWindow::ShowInformation(const std::string& text) {
    app_.Dialogs().ShowMessage(widgets::MessageKind::Information,
                               LoadText(TextId::CaptionInformation), text);
}

std::string MainWindow::UndoFilePath() const {
    return session_.appDir + kUndoFileName;
}

void MainWindow::KeepUndo(const registry::WriteOutcome& outcome) {
    if (!outcome.Succeeded() || (outcome.replaced.empty() && outcome.created.empty())) {
        return;
    }
    AddToUndo(undo_, outcome);
    undo_.savedAt = app_.Now();
    const auto path = UndoFilePath();
    const auto written = app_.ReplaceFile(path, UndoFileBytes(undo_));
    if (!written.done) {
        ShowError(FormatText(LoadText(TextId::UndoFileNotWritten), path) + "\r\n\r\n" +
                  written.reason);
    }
    mainMenu.Find("undo")->enabled = app_.FileExists(path);
}

void MainWindow::UndoLastSave() {
    const auto path = UndoFilePath();
    std::string bytes;
    if (const auto read = app_.ReadFile(path, bytes); !read.done) {
        ShowError(FormatText(LoadText(TextId::UndoFileUnreadable), path) + "\r\n\r\n" +
                  read.reason);
        return;
    }
    std::string problem;
    const auto undo = ReadUndoFile(bytes, problem);
    if (!undo) {
        ShowError(FormatText(LoadText(TextId::UndoUnusableFile), path) + "\r\n\r\n" + problem);
        return;
    }
    const std::string when = DateTimeText(undo->savedAt);
    std::string question = FormatText(LoadText(TextId::UndoQuestion), when);
    if (HasUnsavedChanges()) {
        question += "\r\n\r\n" + LoadText(TextId::UndoDropsChanges);
    }
    if (!app_.Dialogs().ShowMessage(widgets::MessageKind::Confirmation,
                                    LoadText(TextId::CaptionConfirmation), question)) {
        return;
    }
    const auto outcome = registry::ApplyAllOrNothing(registry::CurrentRegistryBackend(),
                                                     undo->values, undo->createdKeys);
    if (!outcome.Succeeded()) {
        ShowError(registry::FailedWriteReport(outcome, LoadText(TextId::UndoFailed),
                                              LoadText(TextId::UndoFailedRestored)));
        return;
    }
    undo_ = {};
    Reload();
    if (const auto removed = app_.RemoveFile(path); !removed.done) {
        ShowError(FormatText(LoadText(TextId::UndoFileNotRemoved), path) + "\r\n\r\n" +
                  removed.reason);
    }
    mainMenu.Find("undo")->enabled = app_.FileExists(path);
    ShowInformation(FormatText(LoadText(TextId::UndoDone), when));
}

void MainWindow::Reload() {
    unblockPage_.ForgetPendingChanges();
    if (!InExpressMode()) {
        SwitchVersion(session_.currentVersion);
        return;
    }
    expressPage_.Forget();
    identitiesPage_.Forget();
    if (pages.ActivePageIndex() == ExpressTab) {
        expressPage_.Shown();
    } else {
        identitiesPage_.Shown();
    }
}

std::vector<std::string> MainWindow::WriteSettings(unblock::Level1Lists& lists,
                                                   bool withIdentities) {
    std::vector<std::string> notSaved;
    const auto note = [&notSaved](const std::vector<std::string>& more) {
        notSaved.insert(notSaved.end(), more.begin(), more.end());
    };
    if (InExpressMode()) {
        note(expressPage_.SaveExpressOptions());
        if (withIdentities) {
            note(identitiesPage_.SaveIdentityOptions());
        }
    } else {
        note(unblockPage_.SaveExtLists(lists));
        note(optionsPage_.SaveOutlookOptions(session_.currentVersion));
    }
    return notSaved;
}

void MainWindow::ReportNotSaved(const std::vector<std::string>& notSaved) {
    if (notSaved.empty()) {
        return;
    }
    std::string text = LoadText(TextId::SaveFailed);
    for (const auto& name : notSaved) {
        text += "\r\n" + name;
    }
    ShowError(text);
}

void MainWindow::Export() {
    const auto path =
        app_.Dialogs().AskSavePath({LoadText(TextId::ExportCaption),
                                    FormatText(LoadText(TextId::ExportFileName), header.Text()),
                                    LoadText(TextId::ExportFilter), "reg"});
    if (!path) {
        return;
    }
    // The save's own steps, against a registry that plans the writes instead of making them,
    // and on a copy of the lists, which the save would rebuild. Identities are left out: each
    // has a key of its own on each machine.
    auto lists = session_.lists;
    const auto changes = registry::PlanWrites([&] { WriteSettings(lists, false); });
    const bool machineValues =
        std::any_of(changes.begin(), changes.end(), [](const registry::PlannedChange& change) {
            return change.hive != registry::Hive::CurrentUser;
        });
    registry::RegFileContent content{{}, changes, {}};
    if (machineValues) {
        content.comments.push_back(LoadText(TextId::ExportMachineValues));
    }
    const auto written = app_.ReplaceFile(
        *path, registry::RegFileBytes(content, registry::MachineView::ImportedAs32Bit));
    if (!written.done) {
        ShowError(FormatText(LoadText(TextId::ExportFailed), *path) + "\r\n\r\n" + written.reason);
        return;
    }
    std::string information = FormatText(LoadText(TextId::ExportDone), *path);
    if (InExpressMode()) {
        information += "\r\n\r\n" + LoadText(TextId::ExportNoIdentities);
    }
    if (machineValues) {
        information += "\r\n\r\n" + LoadText(TextId::ExportMachineValues);
    }
    ShowInformation(information);
}

void MainWindow::AddFileType() {
    const widgets::TextRequest request{
        LoadText(TextId::OwnTypeCaption), LoadText(TextId::OwnTypePrompt),
        LoadText(TextId::CaptionError),
        [](const std::string& text) { return unblock::OwnExtensionProblem(text); }};
    if (const auto text = app_.Dialogs().AskText(request)) {
        if (const auto extension = unblock::OwnExtension(*text)) {
            unblockPage_.AddExtension(*extension);
        }
    }
}

void MainWindow::OptionsPageShown() {
    optionsPage_.Shown(session_.currentVersion);
    UpdateStatus();  // the focused item's hint may have changed
}

void MainWindow::ExpressPageShown() {
    expressPage_.Shown();
}

void MainWindow::OpenManual() {
    app_.ShellOpen(session_.appDir + LoadText(TextId::HelpFileName));
}

void MainWindow::OpenHomepage() {
    app_.ShellOpen(LoadText(TextId::HomepageAddress));
}

void MainWindow::ShowAbout() {
    AboutDialog about;
    app_.ShowModal(about);
}

void MainWindow::Shown() {
    RunHandler(app_, [this] { pages.Shown(); });
}

void MainWindow::CloseRequested(bool& canClose) {
    bool ending = false;
    canClose = RunHandler(app_, [this, &ending] { ending = Leave(); }) && ending;
}

void MainWindow::WindowsSessionEnding() {
    try {
        StoreLastVersion();
    } catch (const std::exception&) {
        // A box now would hold up the end of the session; the setting is lost instead.
    }
}

void MainWindow::Exit() {
    Leave();
}

bool MainWindow::Leave() {
    if (HasUnsavedChanges()) {
        switch (app_.Dialogs().AskYesNoCancel(LoadText(TextId::CaptionConfirmation),
                                              LoadText(TextId::ExitSaveChanges))) {
            case widgets::Answer::Yes:
                Save();  // ends the program once the settings are written
                return true;
            case widgets::Answer::Cancel:
                return false;
            case widgets::Answer::No:
                break;
        }
    }
    try {
        StoreLastVersion();
    } catch (const registry::IniFileError& error) {
        // A program that cannot be left is worse than a version not remembered: tell it, and go.
        ReportError(app_, error.what());
    }
    app_.Terminate();
    return true;
}

bool MainWindow::HasUnsavedChanges() const {
    if (InExpressMode()) {
        return expressPage_.HasChanges() || identitiesPage_.HasChanges();
    }
    return HasPendingExtChanges() || optionsPage_.HasChanges();
}

void MainWindow::StoreLastVersion() {
    if (session_.settingsFile) {
        session_.settingsFile->WriteSetting(kSettingsSection, kLastVersionSetting,
                                            session_.currentVersion);
    }
}

bool MainWindow::InExpressMode() const {
    return session_.currentVersion == kExpressVersion;
}

}  // namespace brevolt
