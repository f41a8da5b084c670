// The page "Weitere Einstellungen" in the main window, on the in-memory registry.
#include <gtest/gtest.h>

#include <numeric>

#include "options/OutlookOptions.h"
#include "registry/ValueCodec.h"
#include "support/MainWindowFixture.h"

namespace brevolt {
namespace {

using registry::Hive;

class OptionsPage : public testing::MainWindowFixture {
  protected:
    void ShowOptionsPage() {
        frm->pages.SelectTabByUser(MainWindow::UnblockingTab);
        frm->pages.SelectTabByUser(MainWindow::OptionsTab);
    }
    std::vector<int> DisabledItems() const {
        std::vector<int> disabled;
        for (int i = 0; i < frm->outlookOptions.Count(); ++i) {
            if (!frm->outlookOptions.Enabled(i)) {
                disabled.push_back(i);
            }
        }
        return disabled;
    }
    void PutDword(const std::string& key, const std::string& name, std::uint32_t number) {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath(key, true));
        reg.WriteDword(name, number);
    }
    std::optional<std::uint32_t> Dword(const std::string& key, const std::string& name) {
        registry::Registry reg(memory);
        if (!reg.OpenPath(key, false) || !reg.HasValue(name)) {
            return std::nullopt;
        }
        return reg.ReadDword(name);
    }
    static std::string Preferences(const std::string& ver) {
        return "Software\\Microsoft\\Office\\" + ver + "\\Outlook\\Preferences";
    }
};

TEST_F(OptionsPage, TheListHoldsTheFourteenOptionsUntickedAtStart) {
    Start("", {"11.0"});
    ASSERT_EQ(frm->outlookOptions.Count(), 14);
    EXPECT_EQ(frm->outlookOptions.ItemAt(0).caption, "Outlook beim minimieren in die Taskleiste");
    EXPECT_EQ(frm->outlookOptions.ItemAt(6).caption,
              "Messenger-Status im Feld \"Von\" anzeigen (2003)");
    EXPECT_EQ(frm->outlookOptions.ItemAt(7).caption, "Autoarchivierung abschalten");
    EXPECT_EQ(frm->outlookOptions.ItemAt(13).caption,
              "Bilder oder anderen externen Inhalt in HTML-Nachrichten nicht automatisch "
              "downloaden");
    for (int i = 0; i < 14; ++i) {
        EXPECT_FALSE(frm->outlookOptions.Checked(i));
        EXPECT_TRUE(frm->outlookOptions.Enabled(i));
    }
}

TEST_F(OptionsPage, EachVersionDisablesTheOptionsItLacks) {
    struct Case {
        const char* version;
        std::vector<int> disabled;
    };
    Start("", {"9.0", "10.0", "11.0"});
    for (const auto& c : std::initializer_list<Case>{
             {"9.0", {0, 5, 6, 12, 13}}, {"10.0", {6, 12, 13}}, {"11.0", {}}, {"7.5", {}}}) {
        frm->SwitchVersion(c.version);
        ShowOptionsPage();
        EXPECT_EQ(DisabledItems(), c.disabled) << c.version;
    }
}

// Outlook 2007 and later: only the options documented for the version are offered; the others
// are disabled, say why, and are neither read nor written.
TEST_F(OptionsPage, LaterVersionsOfferOnlyTheOptionsDocumentedForThem) {
    struct Case {
        const char* ver;
        std::vector<int> offered;
    };
    for (const auto& c : std::initializer_list<Case>{
             {"12.0", {0, 7}}, {"14.0", {0, 7, 12}}, {"15.0", {0, 7, 12}}, {"16.0", {0, 12}}}) {
        SCOPED_TRACE(c.ver);
        registry::Registry(memory).RemovePath("Software");
        const std::string office = "Software\\Microsoft\\Office\\" + std::string(c.ver);
        PutDword(Preferences(c.ver), "MinToTray", 1);
        PutDword(Preferences(c.ver), "ShowBcc", 1);
        PutDword(office + "\\Common\\Toolbars", "AdaptiveMenus", 0);
        Start("", {c.ver});
        ShowOptionsPage();
        std::vector<int> offered;
        for (int i = 0; i < 14; ++i) {
            if (frm->outlookOptions.Enabled(i)) {
                offered.push_back(i);
                EXPECT_EQ(frm->outlookOptions.ItemAt(i).hint, "") << i;
            }
        }
        EXPECT_EQ(offered, c.offered);
        EXPECT_TRUE(frm->outlookOptions.Checked(0)) << "read";
        EXPECT_FALSE(frm->outlookOptions.Checked(1)) << "not read";
        EXPECT_FALSE(frm->outlookOptions.Checked(2)) << "not read";
        EXPECT_EQ(frm->outlookOptions.ItemAt(2).hint,
                  "Diese Einstellung gibt es in dieser Outlook-Version nicht mehr.");
        EXPECT_EQ(frm->outlookOptions.ItemAt(1).hint.rfind("Für diese Outlook-Version ist nicht "
                                                           "dokumentiert",
                                                           0),
                  0u);
        frm->outlookOptions.SetChecked(0, false);
        recorder.changes.clear();
        frm->saveButton.Click();
        for (const auto& change : recorder.changes) {
            EXPECT_TRUE(change.rfind("box ", 0) == 0 ||
                        change.find("\\Level1Remove") != std::string::npos ||
                        change.find("\\Outlook\\Preferences") != std::string::npos ||
                        change.find("\\Outlook\\Options\\General") != std::string::npos)
                << "only the list and the offered options are written: " << change;
        }
        EXPECT_EQ(Dword(Preferences(c.ver), "MinToTray"), std::nullopt) << "unticked: removed";
        EXPECT_EQ(Dword(Preferences(c.ver), "ShowBcc"), 1u);
        EXPECT_EQ(Dword(office + "\\Common\\Toolbars", "AdaptiveMenus"), 0u);
        EXPECT_FALSE(KeyExists(office + "\\Outlook\\IM"));
        frm.reset();
        session = Session{};
    }
}

// A disabled item says why in the status bar while it has the keyboard focus.
TEST_F(OptionsPage, TheFocusedDisabledItemSaysWhyInTheStatusBar) {
    Start("", {"16.0"});
    ShowOptionsPage();
    frm->outlookOptions.ItemFocusedByUser(2);
    EXPECT_EQ(frm->statusNotice.Text(),
              "Diese Einstellung gibt es in dieser Outlook-Version nicht mehr.");
    frm->outlookOptions.ItemFocusedByUser(0);
    EXPECT_EQ(frm->statusNotice.Text(), "") << "an item offered has nothing to say";
    frm->outlookOptions.ItemFocusedByUser(1);
    EXPECT_EQ(frm->statusNotice.Text().rfind("Für diese Outlook-Version ist nicht dokumentiert", 0),
              0u);
    frm->outlookOptions.ItemFocusedByUser(-1);
    EXPECT_EQ(frm->statusNotice.Text(), "");
    EXPECT_EQ(frm->statusChanges.Text(), "");
    frm->outlookOptions.ToggleByUser(0);
    EXPECT_EQ(frm->statusChanges.Text(), "Ungespeicherte Änderungen") << "a tick is a change too";
}

// From Outlook 2010 on, "PONT_STRING" lists the prompts the user suppressed: the item edits its
// own entry "32" and leaves the others as they are.
TEST_F(OptionsPage, TheExternalContentWarningEditsOnlyItsEntryInTheListOfPrompts) {
    const std::string general = "Software\\Microsoft\\Office\\16.0\\Outlook\\Options\\General";
    struct Case {
        const char* stored;  // "<none>": absent
        bool shown;
        bool ticked;
        const char* saved;
    };
    for (const auto& c : std::initializer_list<Case>{{"32,40,", false, true, "40,"},
                                                     {"40", true, false, "40,32,"},
                                                     {" 32 ,7", false, false, " 32 ,7"},
                                                     {"<none>", true, true, "<none>"},
                                                     {"<none>", true, false, "32,"},
                                                     {"", true, false, "32,"}}) {
        SCOPED_TRACE(c.stored);
        registry::Registry(memory).RemovePath("Software");
        if (std::string(c.stored) != "<none>") {
            Store(general, "PONT_STRING", c.stored);
        }
        Start("", {"16.0"});
        ShowOptionsPage();
        EXPECT_TRUE(frm->outlookOptions.Enabled(12));
        EXPECT_EQ(frm->outlookOptions.Checked(12), c.shown);
        frm->outlookOptions.SetChecked(12, c.ticked);
        frm->saveButton.Click();
        EXPECT_EQ(Stored(general, "PONT_STRING"), c.saved);
        frm.reset();
        session = Session{};
    }
}

// Where an administrator's policy sets an option's value, Outlook follows the policy: the item
// shows the policy's state, cannot be changed, says why, and the user's value stays as it is.
TEST_F(OptionsPage, AnOptionAPolicySetsShowsThePolicyAndIsNotWritten) {
    PutDword("Software\\Policies\\Microsoft\\Office\\16.0\\Outlook\\Preferences", "MinToTray", 1);
    PutDword("Software\\Policies\\Microsoft\\Office\\11.0\\Outlook\\Preferences", "MinToTray", 1);
    Start("", {"11.0", "16.0"});
    frm->mainMenu.Find("version6")->Click();
    ShowOptionsPage();
    EXPECT_TRUE(frm->outlookOptions.Checked(0));
    EXPECT_FALSE(frm->outlookOptions.Enabled(0));
    EXPECT_EQ(frm->outlookOptions.ItemAt(0).hint,
              "Eine Richtlinie Ihres Administrators legt diese Einstellung fest; sie gilt vor "
              "Ihrer eigenen.");
    frm->saveButton.Click();
    EXPECT_EQ(Dword(Preferences("16.0"), "MinToTray"), std::nullopt);

    // Outlook 2003 keeps its options as they always were.
    frm.reset();
    session = Session{};
    Start("11.0", {"11.0"});
    ShowOptionsPage();
    EXPECT_TRUE(frm->outlookOptions.Enabled(0));
    EXPECT_FALSE(frm->outlookOptions.Checked(0));
}

// Turning to another page and back keeps the ticks; a version switch shows the new version's.
TEST_F(OptionsPage, TicksStayUntilTheVersionChanges) {
    PutDword(Preferences("9.0"), "MinToTray", 1);
    PutDword(Preferences("10.0"), "ShowBcc", 1);
    Start("", {"9.0", "10.0"});
    ShowOptionsPage();
    EXPECT_TRUE(frm->outlookOptions.Checked(0));  // disabled for 9.0, still read
    EXPECT_FALSE(frm->outlookOptions.Checked(1));
    EXPECT_FALSE(frm->HasUnsavedChanges());
    frm->outlookOptions.SetChecked(1, true);
    ShowOptionsPage();
    EXPECT_TRUE(frm->outlookOptions.Checked(1));
    EXPECT_TRUE(frm->HasUnsavedChanges());

    frm->outlookOptions.SetChecked(4, true);
    frm->mainMenu.Find("version1")->Click();
    EXPECT_TRUE(app.dialogs.shown.empty());  // no question about this page
    ShowOptionsPage();
    EXPECT_FALSE(frm->outlookOptions.Checked(0));
    EXPECT_TRUE(frm->outlookOptions.Checked(1));
    EXPECT_FALSE(frm->outlookOptions.Checked(4));
}

TEST_F(OptionsPage, AutoArchivingIsSavedInverted) {
    struct Case {
        std::optional<std::uint32_t> stored;
        std::optional<bool> tick;  // empty: saved as shown
        std::uint32_t saved;
    };
    for (const auto& c : std::initializer_list<Case>{
             {1, true, 0}, {0, false, 1}, {std::nullopt, std::nullopt, 0}, {1, std::nullopt, 1}}) {
        frm.reset();
        session = Session{};
        registry::Registry(memory).RemovePath("Software");
        if (c.stored) {
            PutDword(Preferences("11.0"), "DoAging", *c.stored);
        }
        Start("", {"11.0"});
        ShowOptionsPage();
        if (c.tick) {
            frm->outlookOptions.SetChecked(7, *c.tick);
        }
        frm->saveButton.Click();
        EXPECT_EQ(Dword(Preferences("11.0"), "DoAging"), c.saved);
    }
}

TEST_F(OptionsPage, TheSaveWritesAllFourteenAsShownAfterTheLists) {
    Start("", {"11.0"});
    ShowOptionsPage();
    frm->outlookOptions.SetChecked(0, true);
    recorder.changes.clear();
    frm->saveButton.Click();
    const auto& log = recorder.changes;
    const auto lists = std::find(log.begin(), log.end(),
                                 "set " + testing::SecurityKey("11.0") + "\\Level1RemoveUser=\"\"");
    const auto option =
        std::find(log.begin(), log.end(), "set " + Preferences("11.0") + "\\MinToTray=1");
    ASSERT_NE(lists, log.end());
    ASSERT_NE(option, log.end());
    EXPECT_LT(lists, option);
    EXPECT_EQ(Dword("Software\\Microsoft\\Office\\11.0\\Outlook\\IM", "Enabled"), 0u);  // created
    EXPECT_EQ(Dword(Preferences("11.0"), "ShowBcc"), std::nullopt);  // off: no value
}

TEST_F(OptionsPage, ASaveWithoutShowingThePageWritesNoneOfTheOptions) {
    PutDword(Preferences("11.0"), "MinToTray", 1);
    Start("", {"10.0", "11.0"});
    frm->mainMenu.Find("version2")->Click();
    frm->gridMenu.items[0].Click();  // "Alle"
    frm->saveButton.Click();
    EXPECT_EQ(Dword(Preferences("11.0"), "MinToTray"), 1u);
    EXPECT_EQ(Dword("Software\\Microsoft\\Office\\11.0\\Outlook\\IM", "Enabled"), std::nullopt);
    EXPECT_EQ(Stored(testing::SecurityKey("11.0"), "Level1Remove").substr(0, 8), "ADE;ADP;");
}

TEST_F(OptionsPage, OptionsShownForAnotherVersionAreNotWritten) {
    Start("", {"10.0", "11.0"});
    ShowOptionsPage();  // 10.0
    frm->outlookOptions.SetChecked(4, true);
    frm->mainMenu.Find("version2")->Click();
    frm->saveButton.Click();
    EXPECT_EQ(Dword("Software\\Microsoft\\Office\\11.0\\Outlook\\IM", "Enabled"), std::nullopt);
    EXPECT_EQ(Dword("Software\\Microsoft\\Office\\10.0\\Outlook\\IM", "Enabled"), std::nullopt);
}

// An option that cannot be written stops the whole save, which puts back the lists written
// before it.
TEST_F(OptionsPage, AnOptionThatCannotBeWrittenStopsTheSaveAndIsNamed) {
    Start("", {"11.0"});
    ShowOptionsPage();
    PutDword(Preferences("11.0"), "Other", 1);
    memory.DenyFullAccess(Hive::CurrentUser, Preferences("11.0"));
    frm->saveButton.Click();
    ASSERT_EQ(app.dialogs.shown.size(), 2u);
    EXPECT_EQ(app.dialogs.shown[1].text.rfind(
                  "Die Einstellungen konnten nicht gespeichert werden:\r\nHKEY_CURRENT_USER\\" +
                      Preferences("11.0") + "\\MinToTray: Zugriff verweigert\r\n\r\nWas schon",
                  0),
              0u)
        << app.dialogs.shown[1].text;
    EXPECT_FALSE(KeyExists(testing::SecurityKey("11.0"))) << "the lists put back";
    EXPECT_EQ(app.terminations, 0);
}

TEST_F(OptionsPage, AFailingErrorReportWriteLeavesTheLaterValues) {
    const std::string common = "Software\\Microsoft\\Office\\11.0\\Common";
    PutDword(common, "DWNoSecondLevelCollection", 7);
    memory.FailSetValue(Hive::CurrentUser, common, "DWNoFileCollection");
    EXPECT_FALSE(options::WriteTick(options::OutlookOptions[3], "11.0", true));
    EXPECT_EQ(Dword(common, "DWNeverUpload"), 1u);
    EXPECT_EQ(Dword(common, "DWNoExternalURL"), 1u);
    EXPECT_EQ(Dword(common, "DWNoFileCollection"), std::nullopt);
    EXPECT_EQ(Dword(common, "DWNoSecondLevelCollection"), 7u);
}

TEST_F(OptionsPage, AFailingErrorReportRemovalStillRemovesTheOthers) {
    const std::string common = "Software\\Microsoft\\Office\\11.0\\Common";
    for (const char* name :
         {"DWNeverUpload", "DWNoExternalURL", "DWNoFileCollection", "DWNoSecondLevelCollection"}) {
        PutDword(common, name, 1);
    }
    memory.FailDeleteValue(Hive::CurrentUser, common, "DWNoExternalURL");
    EXPECT_FALSE(options::WriteTick(options::OutlookOptions[3], "11.0", false));
    EXPECT_EQ(Dword(common, "DWNeverUpload"), std::nullopt);
    EXPECT_EQ(Dword(common, "DWNoExternalURL"), 1u);
    EXPECT_EQ(Dword(common, "DWNoFileCollection"), std::nullopt);
    EXPECT_EQ(Dword(common, "DWNoSecondLevelCollection"), std::nullopt);
}

}  // namespace
}  // namespace brevolt
