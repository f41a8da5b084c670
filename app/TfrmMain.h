#pragma once

#include <string>
#include <vector>

#include "app/Application.h"
#include "app/Session.h"
#include "express/ExpressPage.h"
#include "express/IdentitiesPage.h"
#include "options/OptionsPage.h"
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
class TfrmMain {
  public:
    // The pages of AdvPageContr, in their order.
    enum Page { AdvTabSheet1, AdvTabSheet2, AdvTabSheet4, AdvTabSheet3 };

    // Creating the window runs FormCreate; an error there is reported and the window still opens.
    TfrmMain(Application& app, Session& session);
    TfrmMain(const TfrmMain&) = delete;
    TfrmMain& operator=(const TfrmMain&) = delete;

    const std::string& Caption() const { return caption_; }
    // The unblocking page has ticks the user changed that are not written yet.
    bool HasPendingExtChanges() const { return unblockPage_.HasPendingChanges(); }
    const express::IdentitiesPage& Identities() const { return identitiesPage_; }

    // Controls.
    widgets::Label lblMain;
    widgets::FlatButton B_Senden;
    widgets::FlatButton B_Empfangen;
    widgets::PageControl AdvPageContr;
    widgets::ColumnGrid AdvColumnGrid1;
    widgets::CheckList chList;
    widgets::Label Label1;
    widgets::DropDownList cbIdent;
    widgets::CheckList pmCheckId;
    widgets::CheckList pmckOE;
    widgets::StatusBar StatusBar1;
    widgets::MenuItem MainMenu1;
    widgets::MenuItem PopupMenu1;

    // Operations.
    void BuildVersionMenu();
    void SelectStartVersion();
    void SwitchVersion(const std::string& key);
    void ApplyMode();

    // Event handlers; they let errors pass to whoever runs them (the controls run them inside
    // the general error report).
    void VersionMenuClick(widgets::MenuItem& sender);
    void B_SendenClick();
    void B_EmpfangenClick();
    void Beenden1Click();
    void AdvTabSheet2Show();
    void AdvTabSheet3Show();
    void AdvTabSheet4Show();
    void cbIdentChange();
    void Bedienung1Click();
    void Homepage1Click();
    void Kontakt1Click();

    // Window events, each inside the general error report.
    // The window appears for the first time.
    void FormShow();
    // A request to close the window; `canClose` turns false when "LastVersion" could not be stored.
    void FormCloseQuery(bool& canClose);
    // Windows ends the session: store "LastVersion" if possible, but never hold the end up.
    void FormEndSession();

  private:
    void FormCreate();
    bool InExpressMode() const;
    void ExitProgram();
    void StoreLastVersion();
    void ReportNotSaved(const std::vector<std::string>& notSaved);
    // Wraps a handler for a control's event: it runs inside the general error report.
    std::function<void()> Handler(void (TfrmMain::*handler)());
    std::function<void(widgets::MenuItem&)> MenuHandler(void (TfrmMain::*handler)());

    Application& app_;
    Session& session_;
    std::string caption_;
    unblock::UnblockPage unblockPage_;
    options::OptionsPage optionsPage_;
    express::ExpressPage expressPage_;
    express::IdentitiesPage identitiesPage_;
};

}  // namespace brevolt
