#pragma once

#include <string>
#include <vector>

#include "app/Application.h"
#include "app/SaveUndo.h"
#include "app/Session.h"
#include "express/ExpressPage.h"
#include "express/IdentitiesPage.h"
#include "options/OptionsPage.h"
#include "registry/AllOrNothing.h"
#include "unblock/UnblockPage.h"
#include "widgets/CheckList.h"
#include "widgets/ColumnGrid.h"
#include "widgets/Controls.h"
#include "widgets/DropDownList.h"
#include "widgets/MenuItem.h"
#include "widgets/PageControl.h"

namespace brevolt {

// The main window: its controls as models, its operations and event handlers. A view (win32/)
// shows the controls and feeds the user's input into them; the controls' events run the handlers
// below inside the general error report.
class MainWindow {
  public:
    // The tab pages, in their order.
    enum Page { UnblockingTab, OptionsTab, IdentitiesTab, ExpressTab };

    // Creating the window runs Create; an error there is reported and the window still opens.
    MainWindow(Application& app, Session& session);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    const std::string& Caption() const { return caption_; }
    // The unblocking page has ticks the user changed that are not written yet.
    bool HasPendingExtChanges() const { return unblockPage_.HasPendingChanges(); }
    const express::IdentitiesPage& Identities() const { return identitiesPage_; }

    // Controls.
    widgets::Label header;
    widgets::FlatButton saveButton;
    widgets::FlatButton exitButton;
    widgets::PageControl pages;
    widgets::ColumnGrid attachmentGrid;
    widgets::Label policyNotice;  // above the grid: why the user's ticks may take no effect
    widgets::CheckList outlookOptions;
    widgets::Label identityLabel;
    widgets::DropDownList identityChoice;
    widgets::CheckList identityOptions;
    widgets::CheckList expressOptions;
    // The status bar's two parts: whether there are unsaved changes, and what matters now (why
    // the focused option cannot be changed, else the policy's notice).
    widgets::Label statusChanges;
    widgets::Label statusNotice;
    widgets::MenuItem mainMenu;
    widgets::MenuItem gridMenu;

    // Operations.
    void BuildVersionMenu();
    // The version shown carries the radio mark in "Outlook wechseln".
    void MarkVersionInMenu();
    void SelectStartVersion();
    void SwitchVersion(const std::string& key);
    void ApplyMode();

    // Event handlers; they let errors pass to whoever runs them (the controls run them inside
    // the general error report).
    void VersionChosen(widgets::MenuItem& sender);
    void Save();
    // "Datei" / "Exportieren…": writes what "Speichern" would write now, as a registry file for
    // rolling out to other machines; the registry is not touched.
    void Export();
    // "Datei" / "Letzte Speicherung rückgängig…": asks, naming the save's date and time, then
    // puts back every value the last save wrote as it was before, all or nothing, and shows that
    // state. A file that is not the program's own, or is damaged, is told and changes nothing.
    void UndoLastSave();
    // "Dateityp hinzufügen…": asks for a file type and ticks its row, or adds one.
    void AddFileType();
    // "Beenden" and "Datei" / "Beenden": with unsaved changes, asks whether to save them ("Ja"
    // saves as "Speichern" does, "Abbrechen" stays); then stores the version shown and ends the
    // program, also when the version cannot be stored (that is told).
    void Exit();
    // Changes on the pages of the mode shown that are not written yet.
    bool HasUnsavedChanges() const;
    void OptionsPageShown();
    void ExpressPageShown();
    void OpenManual();
    void OpenHomepage();
    void ShowAbout();

    // Window events, each inside the general error report.
    // The window appears for the first time.
    void Shown();
    // A request to close the window: as "Beenden"; `canClose` turns false when the user stays.
    void CloseRequested(bool& canClose);
    // Windows ends the session: store "LastVersion" if possible, but never hold the end up.
    void WindowsSessionEnding();

  private:
    void Create();
    bool InExpressMode() const;
    void StoreLastVersion();
    // What "Beenden" does; false when the user chose to stay.
    bool Leave();
    // The writes of "Speichern" for the mode shown, the lists rebuilt into `lists`; the names
    // of what could not be written.
    std::vector<std::string> WriteSettings(unblock::Level1Lists& lists, bool withIdentities = true);
    void ReportNotSaved(const std::vector<std::string>& notSaved);
    // Keeps the way back from writes that were made, in the undo file beside the program.
    void KeepUndo(const registry::WriteOutcome& outcome);
    std::string UndoFilePath() const;
    // The pages show the settings as stored now, the user's unsaved ticks dropped.
    void Reload();
    void ShowError(const std::string& text);
    void ShowInformation(const std::string& text);
    // Tells which write stopped a save, why, and whether everything was put back.
    void ReportFailedSave(const registry::WriteOutcome& outcome);
    // The status bar says whether changes are unsaved, and what matters now: why the focused
    // option cannot be changed, else the policy's notice.
    void UpdateStatus();
    // A command of the grid's menu: the action, then the status bar brought up to date.
    std::function<void(widgets::MenuItem&)> GridMenuHandler(std::function<void()> action);
    // Wraps a handler for a control's event: it runs inside the general error report.
    std::function<void()> Handler(void (MainWindow::*handler)());
    std::function<void(widgets::MenuItem&)> MenuHandler(void (MainWindow::*handler)());

    Application& app_;
    Session& session_;
    std::string caption_;
    unblock::UnblockPage unblockPage_;
    options::OptionsPage optionsPage_;
    express::ExpressPage expressPage_;
    express::IdentitiesPage identitiesPage_;
    SaveUndo undo_;  // of this run's writes
};

}  // namespace brevolt
