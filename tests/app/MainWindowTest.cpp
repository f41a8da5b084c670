// The main window's logic over its control models, on the in-memory registry.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <tuple>

#include <functional>

#include "support/CountingRegistry.h"
#include "support/MainWindowFixture.h"

namespace brevolt {
namespace {

using registry::Hive;
using testing::SecurityKey;
using widgets::MessageKind;

class MainWindowLogic : public testing::MainWindowFixture {};

// The access key of a caption: the character after its single "&", upper-cased (ASCII and the
// German umlauts); 0 when it has none.
std::string AccessKey(const std::string& caption) {
    const auto at = caption.find('&');
    if (at == std::string::npos || at + 1 == caption.size()) {
        return {};
    }
    const std::string rest = caption.substr(at + 1);
    if (rest.rfind("ü", 0) == 0 || rest.rfind("Ü", 0) == 0) {
        return "Ü";
    }
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(rest[0]))));
}

// Every item of every menu has an access key, unique within its menu.
void ExpectAccessKeys(const widgets::MenuItem& menu) {
    std::set<std::string> keys;
    for (const auto& item : menu.items) {
        if (item.IsSeparator()) {
            continue;
        }
        const auto key = AccessKey(item.caption);
        EXPECT_FALSE(key.empty()) << item.caption << " has no access key";
        EXPECT_TRUE(keys.insert(key).second) << item.caption << ": " << key << " twice";
        ExpectAccessKeys(item);
    }
}

TEST_F(MainWindowLogic, CreationSetsTitleMenusPagesAndHeader) {
    Start("", {"11.0"});
    EXPECT_EQ(frm->Caption(), "Brevolt XP 1.3 - Lite-Version");
    std::vector<std::string> menus;
    for (const auto& item : frm->mainMenu.items) {
        menus.push_back(item.caption);
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"&Datei", "Outlook &wechseln", "&Hilfe"}));
    const auto& versions = frm->mainMenu.Find("switch")->items;
    std::vector<std::tuple<std::string, int, bool>> items;
    for (const auto& item : versions) {
        items.push_back({item.caption, item.tag, item.checked});
    }
    EXPECT_EQ(items, (std::vector<std::tuple<std::string, int, bool>>{
                         {"Outlook &Express", -1, false},
                         {"-", -2, false},
                         {"Outlook 2&000 (SP3)", 0, false},
                         {"Outlook 2002 (&XP)", 1, false},
                         {"Outlook 200&3", 2, true},
                         {"Outlook 200&7", 3, false},
                         {"Outlook 20&10", 4, false},
                         {"Outlook &2013", 5, false},
                         {"Outlook 201&6 bis 365", 6, false}}))
        << "the version shown is checked";
    ExpectAccessKeys(frm->mainMenu);
    ExpectAccessKeys(frm->gridMenu);
    EXPECT_EQ(frm->mainMenu.Find("exit")->caption, "&Beenden");
    EXPECT_EQ(frm->pages.PageAt(2).caption, "Identitäten");
    EXPECT_EQ(frm->saveButton.Caption(), "Speichern");
    EXPECT_EQ(frm->exitButton.Hint(), "Beenden");
    EXPECT_EQ(frm->header.Text(), "Outlook 2003");
    EXPECT_EQ(frm->gridMenu.items[0].caption, "&Alle");
    EXPECT_EQ(frm->gridMenu.items[1].caption, "&Keine");
    EXPECT_EQ(frm->gridMenu.items[2].caption, "Dateityp &hinzufügen…");

    ChooseMenu("express");
    EXPECT_TRUE(frm->mainMenu.Find("express")->checked);
    EXPECT_FALSE(frm->mainMenu.Find("version2")->checked) << "one mark only";
}

TEST_F(MainWindowLogic, TheStartVersionFollowsTheSavedOneThenTheInstalledOnes) {
    struct Case {
        const char* saved;
        std::vector<const char*> installed;  // the user's Outlook keys
        std::vector<const char*> machine;    // installations recorded in HKEY_LOCAL_MACHINE
        const char* finalVersion;
        std::vector<const char*> switchedTo;  // keys whose lists were read: nothing created there
    };
    const std::vector<Case> cases = {
        {"", {"10.0", "11.0"}, {}, "10.0", {"10.0"}},
        {"", {"11.0"}, {}, "11.0", {"11.0"}},
        {"11.0", {"9.0"}, {}, "11.0", {"11.0"}},
        {"", {}, {}, "9.0", {"9.0"}},
        {"6.0", {}, {}, "9.0", {"6.0", "9.0"}},
        {"7.5", {"10.0"}, {}, "7.5", {"7.5"}},
        // A fresh profile on a machine with Microsoft 365: its row, not the fallback.
        {"", {}, {"16.0"}, "16.0", {"16.0"}},
        {"", {"16.0", "12.0"}, {}, "12.0", {"12.0"}},
        {"", {"16.0"}, {"14.0"}, "14.0", {"14.0"}},
        {"15.0", {}, {"16.0"}, "15.0", {"15.0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("saved '") + c.saved + "'");
        registry::MemoryRegistry fresh;
        registry::BackendScope inner(fresh);
        registry::Registry reg(fresh);
        for (const char* ver : c.installed) {
            reg.MakePath("Software\\Microsoft\\Office\\" + std::string(ver) + "\\Outlook");
        }
        registry::Registry machine(fresh);
        machine.SetRoot(registry::Hive::LocalMachine64);
        for (const char* ver : c.machine) {
            machine.MakePath("Software\\Microsoft\\Office\\" + std::string(ver) +
                             "\\Outlook\\InstallRoot");
        }
        testing::WriteFileBytes(dir.File("main.ini"),
                                std::string("[Brevolt]\r\nLastVersion=") + c.saved + "\r\n");
        Session state;
        PrepareSession(state, app.executablePath);
        MainWindow window(app, state);
        EXPECT_EQ(state.currentVersion, c.finalVersion);
        for (const char* ver : c.switchedTo) {
            EXPECT_FALSE(reg.PathExists("\\" + SecurityKey(ver)))
                << ver << ": a look writes nothing";
        }
    }
}

TEST_F(MainWindowLogic, AStartInExpressModeShowsItsPages) {
    Start("6.0", {"11.0"});
    EXPECT_EQ(session.currentVersion, "6.0");
    EXPECT_FALSE(KeyExists(SecurityKey("6.0"))) << "no lists for Outlook Express";
    EXPECT_EQ(frm->header.Text(), "Outlook Express");
    EXPECT_EQ(VisibleTabs(), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(frm->pages.ActivePageIndex(), MainWindow::IdentitiesTab);
}

TEST_F(MainWindowLogic, ModesSwitchTabsHeaderAndActivePage) {
    Start("", {"10.0"});
    EXPECT_EQ(VisibleTabs(), (std::vector<bool>{true, true, false, false}));
    frm->pages.SelectTabByUser(MainWindow::OptionsTab);

    ChooseMenu("express");
    EXPECT_EQ(session.currentVersion, "6.0");
    EXPECT_EQ(frm->header.Text(), "Outlook Express");
    EXPECT_EQ(VisibleTabs(), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(frm->pages.ActivePageIndex(), MainWindow::IdentitiesTab);
    EXPECT_FALSE(KeyExists(SecurityKey("6.0")));  // the item reads nothing

    frm->pages.SelectTabByUser(MainWindow::ExpressTab);
    ChooseMenu("express");
    EXPECT_EQ(frm->pages.ActivePageIndex(), MainWindow::IdentitiesTab);

    ChooseMenu("version2");
    EXPECT_EQ(session.currentVersion, "11.0");
    EXPECT_EQ(frm->header.Text(), "Outlook 2003");
    EXPECT_EQ(VisibleTabs(), (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(frm->pages.ActivePageIndex(), MainWindow::UnblockingTab);
}

// Ctrl+Tab and Ctrl+Shift+Tab: round the visible tabs, each page shown as a click shows it.
TEST_F(MainWindowLogic, TheNextTabIsTheNextVisibleOneRoundTheEnd) {
    {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath("Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences", true));
        reg.WriteDword("MinToTray", 1);
    }
    Start("", {"11.0"});
    auto& pages = frm->pages;
    pages.SelectNextTabByUser(true);
    EXPECT_EQ(pages.ActivePageIndex(), MainWindow::OptionsTab);
    EXPECT_TRUE(frm->outlookOptions.Checked(0)) << "the options page was read";
    pages.SelectNextTabByUser(true);
    EXPECT_EQ(pages.ActivePageIndex(), MainWindow::UnblockingTab);
    pages.SelectNextTabByUser(false);
    EXPECT_EQ(pages.ActivePageIndex(), MainWindow::OptionsTab);

    ChooseMenu("express");
    pages.SelectNextTabByUser(false);
    EXPECT_EQ(pages.ActivePageIndex(), MainWindow::ExpressTab);
    pages.SelectNextTabByUser(false);
    EXPECT_EQ(pages.ActivePageIndex(), MainWindow::IdentitiesTab);
}

// A view redraws on every change event: a page's worth of changes raises one, not one per cell.
TEST_F(MainWindowLogic, EachActionRaisesOneChangeEventPerList) {
    Start("11.0", {"10.0", "11.0"});
    Store("Identities\\{A}", "Username", "Anna");
    Store("Identities\\{A}", "User ID", "{A}");
    registry::Registry reg(memory);
    ASSERT_TRUE(reg.OpenPath("Identities\\{A}", false));
    reg.WriteDword("Identity Ordinal", 1);
    int changes = 0;
    for (widgets::ChangeNotifier* model : std::initializer_list<widgets::ChangeNotifier*>{
             &frm->attachmentGrid, &frm->outlookOptions, &frm->identityChoice,
             &frm->identityOptions, &frm->expressOptions}) {
        model->OnChanged = [&changes] { ++changes; };
    }
    const struct {
        const char* action;
        std::function<void()> act;
        int lists;  // the lists the action changes
    } cases[] = {
        {"version switch", [&] { ChooseMenu("version1"); }, 1},
        {"all ticked", [&] { frm->gridMenu.items[0].Click(); }, 1},
        {"options page", [&] { frm->pages.SelectTabByUser(MainWindow::OptionsTab); }, 1},
        {"Outlook Express", [&] { ChooseMenu("express"); }, 2},
        {"its options page", [&] { frm->pages.SelectTabByUser(MainWindow::ExpressTab); }, 1},
    };
    for (const auto& step : cases) {
        changes = 0;
        step.act();
        EXPECT_EQ(changes, step.lists) << step.action;
    }
}

TEST_F(MainWindowLogic, TheSeparatorDoesNothing) {
    Start("", {"10.0"});
    recorder.changes.clear();
    ChooseMenu("separator");
    EXPECT_EQ(session.currentVersion, "10.0");
    EXPECT_TRUE(recorder.changes.empty());
}

TEST_F(MainWindowLogic, AFailedWriteTestKeepsVersionAndHeaderAndLeavesTheGridEmpty) {
    Start("", {"10.0"});
    Store(SecurityKey("11.0"), "Level1Remove", "CHM");
    memory.DenyCreate(Hive::CurrentUser, "Software\\Microsoft\\Office\\0.0");
    ChooseMenu("express");
    ChooseMenu("version2");
    EXPECT_EQ(session.currentVersion, "6.0");
    EXPECT_EQ(frm->header.Text(), "Outlook Express");
    EXPECT_EQ(VisibleTabs(), (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(frm->attachmentGrid.HeaderText(0), "");
    EXPECT_FALSE(frm->attachmentGrid.HasCheckBox(0, 0));
    EXPECT_TRUE(dialogs().shown.empty());
}

TEST_F(MainWindowLogic, AFailedWriteTestAtStartLeavesNoVersionAndAnEmptyGrid) {
    memory.DenyCreate(Hive::CurrentUser, "Software\\Microsoft\\Office\\0.0");
    Start("11.0", {"11.0"});
    EXPECT_EQ(session.currentVersion, "");
    EXPECT_EQ(frm->header.Text(), "Outlook XP");
    EXPECT_EQ(frm->pages.ActivePageIndex(), MainWindow::UnblockingTab);

    frm->saveButton.Click();  // an empty grid and no version: nothing to write
    EXPECT_EQ(recorder.changes,
              std::vector<std::string>{
                  "box Die Einstellungen werden erst beim nächsten Start von Outlook aktiviert."});
    EXPECT_EQ(app.terminations, 1);

    frm->exitButton.Click();
    EXPECT_EQ(Ini(), "[Brevolt]\r\nLastVersion=\r\n");
}

TEST_F(MainWindowLogic, AnErrorInCreationIsReportedAndTheWindowStillOpens) {
    registry::Registry reg(memory);
    ASSERT_TRUE(reg.OpenPath(SecurityKey("11.0"), true));
    reg.WriteDword("Level1Remove", 1);
    Start("", {"11.0"});
    ASSERT_EQ(dialogs().shown.size(), 1u);
    EXPECT_EQ(dialogs().shown[0].caption, "brevolt");
    EXPECT_EQ(dialogs().shown[0].text, "Ungültiger Datentyp für 'Level1Remove'");
    EXPECT_EQ(session.currentVersion, "11.0");
    EXPECT_EQ(frm->header.Text(), "Outlook 2003");
    EXPECT_EQ(frm->attachmentGrid.RowCount(), 0) << "no rows";
    EXPECT_EQ(frm->Caption(), "Brevolt XP 1.3 - Lite-Version");
}

TEST_F(MainWindowLogic, TheSaveInOutlookModeAsksFirstThenWritesTheListsAndEnds) {
    Start("", {"11.0"});
    Store(SecurityKey("11.0"), "Level1Remove", "CHM");
    ChooseMenu("version2");
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 13);  // HLP
    EXPECT_TRUE(frm->HasPendingExtChanges());
    recorder.changes.clear();

    frm->saveButton.Click();

    ASSERT_GE(recorder.changes.size(), 2u);
    EXPECT_EQ(recorder.changes[0],
              "box Die Einstellungen werden erst beim nächsten Start von Outlook aktiviert.");
    EXPECT_EQ(dialogs().shown.back().kind, MessageKind::Information);
    EXPECT_EQ(dialogs().shown.back().caption, "Informationen");
    EXPECT_EQ(Stored(SecurityKey("11.0"), "Level1Remove"), "CHM;HLP");
    EXPECT_FALSE(frm->HasPendingExtChanges());
    EXPECT_EQ(app.terminations, 1);
    EXPECT_EQ(Ini(), "<missing>");  // "Speichern" does not store the version
}

TEST_F(MainWindowLogic, TheSaveInExpressModeWritesNoLists) {
    Start("6.0", {"11.0"});
    recorder.changes.clear();
    frm->saveButton.Click();
    EXPECT_EQ(recorder.changes,
              std::vector<std::string>{
                  "box Die Einstellungen werden erst beim nächsten Start von Outlook aktiviert."});
    EXPECT_EQ(app.terminations, 1);
}

// A save is all or nothing: a write that fails puts back what was written before it, the box
// names the value and why, and the program stays with the user's choices unsaved.
TEST_F(MainWindowLogic, AFailedWriteIsToldAndEverythingWrittenIsPutBack) {
    Store(SecurityKey("11.0"), "Level1Remove", "CHM");
    Start("", {"11.0"});
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 13);  // HLP
    const auto before = memory.Snapshot();
    memory.FailSetValue(Hive::CurrentUser, SecurityKey("11.0"), "Level1Add");
    frm->saveButton.Click();
    ASSERT_EQ(dialogs().shown.size(), 2u);
    EXPECT_EQ(dialogs().shown[1].kind, MessageKind::Error);
    EXPECT_EQ(dialogs().shown[1].caption, "Fehler");
    EXPECT_EQ(dialogs().shown[1].text,
              "Die Einstellungen konnten nicht gespeichert werden:\r\n"
              "HKEY_CURRENT_USER\\" +
                  SecurityKey("11.0") +
                  "\\Level1Add: Zugriff verweigert\r\n\r\n"
                  "Was schon geschrieben war, wurde zurückgesetzt: Es ist alles wie vorher. Ihre "
                  "Auswahl ist noch da; Sie können es noch einmal versuchen.");
    EXPECT_EQ(memory.Snapshot(), before) << "every value as it was";
    EXPECT_FALSE(KeyExists("Software\\Microsoft\\Office\\11.0\\Security"))
        << "created, then removed";
    EXPECT_EQ(app.terminations, 0);
    EXPECT_TRUE(frm->HasPendingExtChanges());
    EXPECT_TRUE(frm->attachmentGrid.IsChecked(0, 13));
}

// Reading "Level1Add" only keeps entries the page does not know; a value that is no text
// stops nothing and is replaced by the save.
TEST_F(MainWindowLogic, AnAddListThatIsNoTextIsReplacedByTheSave) {
    Store(SecurityKey("11.0"), "Level1Remove", "CHM");
    {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath(SecurityKey("11.0"), true));
        reg.WriteDword("Level1Add", 7);
    }
    Start("11.0", {"11.0"});
    EXPECT_TRUE(dialogs().shown.empty());
    EXPECT_TRUE(frm->attachmentGrid.IsChecked(0, 6));  // CHM
    frm->saveButton.Click();
    EXPECT_EQ(Stored(SecurityKey("11.0"), "Level1Add").substr(0, 12), "ADE;ADP;APP;");
    EXPECT_EQ(dialogs().shown.size(), 1u);  // the information alone
}

TEST_F(MainWindowLogic, PendingTicksAreOfferedOnASwitch) {
    Start("", {"10.0", "11.0"});
    frm->gridMenu.items[0].Click();  // "Alle"
    dialogs().answers = {true};
    ChooseMenu("version2");
    ASSERT_EQ(dialogs().shown.size(), 1u);
    EXPECT_EQ(dialogs().shown[0].text, "Wollen Sie die Änderungen übernehmen?");
    EXPECT_EQ(Stored(SecurityKey("10.0"), "Level1Remove").substr(0, 8), "ADE;ADP;");
    EXPECT_FALSE(frm->HasPendingExtChanges());
}

// A policy that overrules the user's list: the page and the status bar say so, the save still
// writes the user's values (they take effect once the policy goes), its information tells the
// notice, and nothing is written below a Policies key.
TEST_F(MainWindowLogic, APolicyIsToldAndTheUsersValuesAreStillSaved) {
    const std::string policies = "Software\\Policies\\Microsoft\\Office\\16.0\\Outlook\\Security";
    {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath(policies, true));
        reg.WriteDword("AdminSecurityMode", 3);
        reg.WriteText("FileExtensionsAddLevel1", "chm");
    }
    Start("", {"16.0", "11.0"});
    ChooseMenu("version6");
    ASSERT_EQ(session.currentVersion, "16.0");
    const std::string notice = frm->policyNotice.Text();
    EXPECT_EQ(notice.rfind("Outlook folgt den Sicherheitsrichtlinien", 0), 0u);
    EXPECT_EQ(frm->statusNotice.Text(), notice);
    const auto rowOf = [this](const std::string& extension) {
        for (int row = 0; row < frm->attachmentGrid.RowCount(); ++row) {
            if (frm->attachmentGrid.CellText(1, row) == extension) {
                return row;
            }
        }
        return -1;
    };
    EXPECT_EQ(frm->attachmentGrid.CellText(4, rowOf("CHM")), "gesperrt");

    frm->attachmentGrid.ToggleCheckBoxByUser(0, rowOf("CHM"));
    EXPECT_EQ(frm->statusChanges.Text(), "Ungespeicherte Änderungen");
    EXPECT_EQ(frm->statusNotice.Text(), notice) << "both show";
    recorder.changes.clear();
    frm->saveButton.Click();
    ASSERT_FALSE(dialogs().shown.empty());
    EXPECT_EQ(dialogs().shown[0].text,
              "Die Einstellungen werden erst beim nächsten Start von Outlook aktiviert.\r\n\r\n" +
                  notice);
    EXPECT_EQ(Stored(SecurityKey("16.0"), "Level1Remove"), ".CHM");
    for (const auto& change : recorder.changes) {
        EXPECT_EQ(change.find("Policies"), std::string::npos) << change;
    }
    EXPECT_EQ(frm->statusNotice.Text(), notice) << "saved: the notice again";

    ChooseMenu("version2");
    EXPECT_EQ(frm->policyNotice.Text(), "") << "no policy for Outlook 2003";
    EXPECT_EQ(frm->statusNotice.Text(), "");
    EXPECT_EQ(frm->attachmentGrid.CellText(4, rowOf("CHM")), "");
}

TEST_F(MainWindowLogic, TheNewOutlookIsToldOnItsPageButNotInExpressMode) {
    {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath("Software\\Microsoft\\Office\\16.0\\Outlook\\Preferences", true));
        reg.WriteDword("UseNewOutlook", 1);
    }
    Start("16.0", {"16.0"});
    EXPECT_EQ(frm->policyNotice.Text(),
              "Das neue Outlook verwendet diese Einstellungen nicht: Welche Dateitypen es sperrt, "
              "legt der Administrator Ihres Mailservers fest.");
    EXPECT_EQ(frm->statusNotice.Text(), frm->policyNotice.Text());
    ChooseMenu("express");
    EXPECT_EQ(frm->statusNotice.Text(), "");
}

// "Dateityp hinzufügen…": a refused text is told and the dialog stays; the type accepted gets a
// ticked row, a change not yet saved, which the save writes.
TEST_F(MainWindowLogic, AFileTypeAddedThroughTheDialogIsSaved) {
    Start("", {"11.0"});
    dialogs().typed = {std::string("p;y"), std::string(".py")};
    frm->gridMenu.items[2].Click();
    EXPECT_EQ(dialogs().asked, std::vector<std::string>{
                                   "Dateityp hinzufügen: Erweiterung des Dateityps (zum Beispiel "
                                   "PS1):"});
    ASSERT_EQ(dialogs().shown.size(), 1u);
    EXPECT_EQ(dialogs().shown[0].text.rfind("Die Erweiterung darf kein Semikolon", 0), 0u);
    ASSERT_EQ(frm->attachmentGrid.RowCount(), 39);
    EXPECT_EQ(frm->attachmentGrid.CellText(1, 38), "PY");
    EXPECT_TRUE(frm->attachmentGrid.IsChecked(0, 38));
    EXPECT_EQ(frm->statusChanges.Text(), "Ungespeicherte Änderungen");

    dialogs().typed = {std::nullopt};  // "Abbrechen"
    frm->gridMenu.items[2].Click();
    EXPECT_EQ(frm->attachmentGrid.RowCount(), 39);

    frm->saveButton.Click();
    EXPECT_EQ(Stored(SecurityKey("11.0"), "Level1Remove"), "PY");
}

TEST_F(MainWindowLogic, EveryWayOutButTheSaveStoresTheVersionOnce) {
    testing::CountingBackends counting(recorder, registry::CurrentIniBackend());
    const registry::BackendScope scope(counting, counting);
    Start("", {"10.0"});
    const std::vector<std::function<void()>> ways = {
        [&] { frm->exitButton.Click(); },
        [&] { ChooseMenu("exit"); },
        [&] {
            bool canClose = false;
            frm->CloseRequested(canClose);
            EXPECT_TRUE(canClose);
        },
    };
    for (const auto& leave : ways) {
        dir.RemoveFile("main.ini");
        app.terminations = 0;
        counting.Reset();
        leave();
        EXPECT_EQ(Ini(), "[Brevolt]\r\nLastVersion=10.0\r\n");
        EXPECT_EQ(counting.counts.fileWrites, 1);
        EXPECT_EQ(app.terminations, 1);
    }
    ReleaseSession(session);  // the settings file writes through `counting`, which ends here
}

// Every way out asks about unsaved changes: "Ja" saves as "Speichern" does, "Nein" ends without
// writing them, "Abbrechen" (or closing the box) stays with the changes still there.
TEST_F(MainWindowLogic, UnsavedChangesAreAskedAboutOnEveryWayOut) {
    using widgets::Answer;
    struct Case {
        const char* way;
        Answer answer;
        bool ends;
        const char* unblocked;  // "Level1Remove" afterwards
    };
    const std::vector<Case> cases = {
        {"button", Answer::Cancel, false, "CHM"}, {"menu", Answer::Cancel, false, "CHM"},
        {"close", Answer::Cancel, false, "CHM"},  {"button", Answer::No, true, "CHM"},
        {"close", Answer::No, true, "CHM"},       {"menu", Answer::Yes, true, "CHM;HLP"},
        {"close", Answer::Yes, true, "CHM;HLP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.way) + " " + std::to_string(static_cast<int>(c.answer)));
        frm.reset();
        session = Session{};
        dialogs().shown.clear();
        app.terminations = 0;
        dir.RemoveFile("main.ini");
        Store(SecurityKey("11.0"), "Level1Remove", "CHM");
        Start("", {"11.0"});
        frm->attachmentGrid.ToggleCheckBoxByUser(0, 13);  // HLP
        dialogs().threeWayAnswers = {c.answer};
        bool canClose = false;
        if (std::string(c.way) == "button") {
            frm->exitButton.Click();
        } else if (std::string(c.way) == "menu") {
            ChooseMenu("exit");
        } else {
            frm->CloseRequested(canClose);
            EXPECT_EQ(canClose, c.ends);
        }
        ASSERT_FALSE(dialogs().shown.empty());
        EXPECT_EQ(dialogs().shown[0].caption, "Bestätigung");
        EXPECT_EQ(dialogs().shown[0].text, "Sollen die Änderungen gespeichert werden?");
        EXPECT_EQ(app.terminations, c.ends ? 1 : 0);
        EXPECT_EQ(Stored(SecurityKey("11.0"), "Level1Remove"), c.unblocked);
        EXPECT_EQ(frm->HasUnsavedChanges(), c.answer != Answer::Yes);
        EXPECT_EQ(Ini().empty() || Ini() == "<missing>", c.answer != Answer::No)
            << "the version is stored on the way out without saving";
    }

    // Nothing changed: nothing is asked.
    frm.reset();
    session = Session{};
    dialogs().shown.clear();
    Start("", {"11.0"});
    frm->exitButton.Click();
    EXPECT_TRUE(dialogs().shown.empty());
}

}  // namespace
}  // namespace brevolt
