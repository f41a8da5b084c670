// The two Outlook Express pages in the main window, on the in-memory registry.
#include <gtest/gtest.h>

#include "registry/ValueCodec.h"
#include "support/MainWindowFixture.h"

namespace brevolt {
namespace {

using registry::Hive;
using widgets::MessageKind;

const std::string kExpress = "Software\\Microsoft\\Outlook Express";

class ExpressPages : public testing::MainWindowFixture {
  protected:
    void AddIdentity(const std::string& subkey, const std::string& userName,
                     std::optional<std::uint32_t> ordinal, const std::string& userId = "") {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath("Identities\\" + subkey, true));
        reg.WriteText("Username", userName);
        reg.WriteText("User ID", userId.empty() ? subkey : userId);
        if (ordinal) {
            reg.WriteDword("Identity Ordinal", *ordinal);
        }
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int i = 0; i < frm->identityChoice.Count(); ++i) {
            entries.push_back(frm->identityChoice.Entry(i));
        }
        return entries;
    }
    std::vector<bool> Ticks(const widgets::CheckList& list) const {
        std::vector<bool> ticks;
        for (int i = 0; i < list.Count(); ++i) {
            ticks.push_back(list.Checked(i));
        }
        return ticks;
    }
    static std::string MailKey(const std::string& id) {
        return "Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0\\Mail";
    }
    // Read with read access only, so that keys the user may not change can be checked too.
    std::optional<std::uint32_t> Dword(Hive hive, const std::string& key, const std::string& name) {
        const auto opened = memory.openKey(hive, key, registry::Access::Read, false);
        const auto value = opened ? opened->queryValue(name) : std::nullopt;
        if (!value || value->type != registry::ValueType::Dword) {
            return std::nullopt;
        }
        return registry::DecodeDword(*value);
    }
    void ShowPage(MainWindow::Page page) { frm->pages.SelectTabByUser(page); }
};

TEST_F(ExpressPages, TheListsHoldTheirCaptions) {
    Start("6.0", {"11.0"});
    ASSERT_EQ(frm->expressOptions.Count(), 6);
    EXPECT_EQ(frm->expressOptions.ItemAt(5).caption,
              "Kontakte in  Outlook Express und MS Outlook gemeinsam verwenden");
    ASSERT_EQ(frm->identityOptions.Count(), 4);
    EXPECT_EQ(frm->identityOptions.ItemAt(2).caption, "E-Mailanhänge speicherbar machen");
    EXPECT_EQ(frm->identityLabel.Text(), "Identität wählen:");
}

TEST_F(ExpressPages, TheIdentityWithOrdinalOneComesFirstAndIsSelected) {
    AddIdentity("{1}", "Anna", 0);
    AddIdentity("{2}", "Max", 1);
    AddIdentity("{3}", "Lea", 0);
    {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath(MailKey("{2}"), true));
        reg.WriteDword("Show Adv Mail Send", 1);
    }
    Start("6.0", {"11.0"});
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Max", "Anna", "Lea"}));
    EXPECT_EQ(frm->identityChoice.SelectedIndex(), 0);
    EXPECT_EQ(frm->Identities().CurrentIdentity(), "{2}");
    EXPECT_EQ(Ticks(frm->identityOptions), (std::vector<bool>{true, true, false, true}));
    ASSERT_EQ(frm->Identities().Identities().size(), 3u);
    EXPECT_EQ(frm->Identities().Identities()[0].userName, "Anna");  // enumeration order
}

TEST_F(ExpressPages, OfTwoEqualNamesTheFirstEnumeratedIsChosen) {
    AddIdentity("{1}", "Büro", 0);
    AddIdentity("{2}", "Büro", 0);
    Start("6.0", {"11.0"});
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Büro", "Büro"}));
    frm->identityChoice.ChooseByUser(1);
    EXPECT_EQ(frm->Identities().CurrentIdentity(), "{1}");
}

TEST_F(ExpressPages, AnIdentityWithoutOrdinalEndsTheListingWithAnError) {
    AddIdentity("{1}", "Anna", 0);
    AddIdentity("{2}", "Max", 0);
    AddIdentity("{3}", "Lea", std::nullopt);
    Start("6.0", {"11.0"});
    EXPECT_EQ(Entries(), (std::vector<std::string>{"Anna", "Max"}));
    EXPECT_EQ(frm->identityChoice.SelectedIndex(), -1);
    EXPECT_EQ(frm->Identities().CurrentIdentity(), "");
    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(app.dialogs.shown[0].caption, "brevolt");
    EXPECT_EQ(app.dialogs.shown[0].text, "Fehler beim Holen der Daten für 'Identity Ordinal'");
    EXPECT_FALSE(KeyExists(MailKey("{1}")));  // the check list was not read
}

TEST_F(ExpressPages, WithoutIdentitiesNothingIsSelectedOrSaved) {
    Start("6.0", {"11.0"});
    EXPECT_EQ(frm->identityChoice.Count(), 0);
    recorder.changes.clear();
    frm->saveButton.Click();
    for (const auto& change : recorder.changes) {
        EXPECT_EQ(change.find("Identities"), std::string::npos) << change;
    }
}

// Turning to another page and back keeps the identity chosen and its ticks; coming back from
// Outlook lists the identities anew.
TEST_F(ExpressPages, ShowingThePageAgainKeepsTheIdentityAndItsTicks) {
    AddIdentity("{1}", "Anna", 1);
    AddIdentity("{2}", "Max", 0);
    Start("6.0", {"11.0"});
    frm->identityChoice.ChooseByUser(1);
    frm->identityOptions.ToggleByUser(1);
    EXPECT_EQ(frm->Identities().CurrentIdentity(), "{2}");
    ShowPage(MainWindow::ExpressTab);
    ShowPage(MainWindow::IdentitiesTab);
    EXPECT_EQ(frm->identityChoice.SelectedIndex(), 1);
    EXPECT_EQ(frm->Identities().CurrentIdentity(), "{2}");
    EXPECT_TRUE(frm->identityOptions.Checked(1));

    app.dialogs.answers = {false};
    ChooseMenu("version2");
    ChooseMenu("express");
    EXPECT_EQ(frm->identityChoice.SelectedIndex(), 0);
    EXPECT_EQ(frm->Identities().CurrentIdentity(), "{1}");
}

// Ticks made for one identity are kept when another is chosen, and the save writes every
// identity the user changed (each under its own key) and the one chosen; no other.
TEST_F(ExpressPages, EveryIdentityTheUserChangedIsWritten) {
    AddIdentity("{1}", "Anna", 1);
    AddIdentity("{2}", "Max", 0);
    AddIdentity("{3}", "Eva", 0);
    Start("6.0", {"11.0"});
    frm->identityOptions.ToggleByUser(1);
    frm->identityChoice.ChooseByUser(2);  // Eva: looked at, not changed
    frm->identityChoice.ChooseByUser(1);  // Max
    EXPECT_EQ(Ticks(frm->identityOptions), (std::vector<bool>{true, false, false, true}));
    frm->identityChoice.ChooseByUser(0);
    EXPECT_TRUE(frm->identityOptions.Checked(1)) << "the tick made for Anna is kept";
    frm->identityChoice.ChooseByUser(1);
    frm->identityOptions.ToggleByUser(2);
    frm->saveButton.Click();
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{1}"), "Show Adv Mail Send"), 1u);
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{3}"), "Show Adv Mail Send"), std::nullopt);
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{2}"), "Show Adv Mail Send"), 0u);
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{2}"), "Safe Attachments"), 0u);
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{2}"), "Warn on Mapi Send"), 1u);
}

// "User ID" names another key than the one the identity was listed from: a stray one, or
// another identity's (in other case). The identity's own key wins; no other key is touched.
class IdentityKeys : public ExpressPages, public ::testing::WithParamInterface<const char*> {};

TEST_P(IdentityKeys, AnIdentityIsReadAndWrittenUnderTheKeyItWasListedFrom) {
    AddIdentity("{A1}", "Anna", 1);
    AddIdentity("{B2}", "Bob", 0, GetParam());
    {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath(MailKey("{A1}"), true));
        reg.WriteDword("Show Adv Mail Send", 1);
        reg.ClosePath();
        ASSERT_TRUE(reg.OpenPath(MailKey("{B2}"), true));
        reg.WriteDword("Safe Attachments", 0);
    }
    Start("6.0", {"11.0"});
    frm->identityChoice.ChooseByUser(1);
    EXPECT_EQ(frm->Identities().CurrentIdentity(), "{B2}");
    EXPECT_EQ(Ticks(frm->identityOptions), (std::vector<bool>{true, false, true, true}));
    frm->identityOptions.ToggleByUser(0);
    frm->saveButton.Click();
    EXPECT_FALSE(KeyExists("Identities\{ZZ}"));
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{A1}"), "Show Adv Mail Send"), 1u);
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{A1}"), "Safe Attachments"), std::nullopt);
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{B2}"), "Show Adv Mail Send"), 0u);
    EXPECT_EQ(Dword(Hive::CurrentUser, MailKey("{B2}"), "Safe Attachments"), 0u);
}

INSTANTIATE_TEST_SUITE_P(UserIds, IdentityKeys, ::testing::Values("{ZZ}", "{a1}"));

TEST_F(ExpressPages, NamesOutsideCodePage1252ShowAndSelect) {
    AddIdentity("{1}", "Anna", 1);
    AddIdentity("{2}", "Łukasz 中文", 0);
    Start("6.0", {"11.0"});
    EXPECT_EQ(Entries()[1], "Łukasz 中文");
    frm->identityChoice.ChooseByUser(1);
    EXPECT_EQ(frm->Identities().CurrentIdentity(), "{2}");
}

TEST_F(ExpressPages, TheExpressPageIsReadOnceAndSavedOnlyOnceShown) {
    Start("6.0", {"11.0"});
    {
        registry::Registry reg(memory);
        reg.SetRoot(Hive::LocalMachine);
        ASSERT_TRUE(reg.OpenPath(kExpress, true));
        reg.WriteDword("Hide Messenger", 2);
    }
    frm->saveButton.Click();  // the page was never shown: none of the six is written
    EXPECT_EQ(Dword(Hive::LocalMachine, kExpress, "BlockExeAttachments"), std::nullopt);
    EXPECT_EQ(Dword(Hive::CurrentUser, "Software\\Microsoft\\WAB\\WAB4", "UseOutlook"),
              std::nullopt);

    ShowPage(MainWindow::ExpressTab);
    EXPECT_EQ(Ticks(frm->expressOptions),
              (std::vector<bool>{false, false, false, false, true, true}));
    frm->expressOptions.ToggleByUser(0);
    ShowPage(MainWindow::IdentitiesTab);
    ShowPage(MainWindow::ExpressTab);
    EXPECT_TRUE(frm->expressOptions.Checked(0)) << "the tick stays";
    frm->saveButton.Click();
    EXPECT_EQ(Dword(Hive::LocalMachine, kExpress, "BlockExeAttachments"), 0u);
    EXPECT_EQ(Dword(Hive::LocalMachine, kExpress, "Disable Hotmail"), 2u);
    EXPECT_EQ(Dword(Hive::LocalMachine, kExpress, "Hide Messenger"), 2u);
    EXPECT_EQ(Dword(Hive::CurrentUser, "Software\\Microsoft\\WAB\\WAB4", "UseOutlook"), 1u);
}

TEST_F(ExpressPages, AReadOnlyMachineKeyIsReportedAndItsValuesKept) {
    {
        registry::Registry reg(memory);
        reg.SetRoot(Hive::LocalMachine);
        ASSERT_TRUE(reg.OpenPath(kExpress, true));
        reg.WriteDword("BlockExeAttachments", 0);
    }
    memory.DenyFullAccess(Hive::LocalMachine, kExpress);
    Start("6.0", {"11.0"});
    ShowPage(MainWindow::ExpressTab);
    EXPECT_EQ(Ticks(frm->expressOptions),
              (std::vector<bool>{true, false, false, false, false, true}))
        << "a key the user may only read is still read";
    frm->expressOptions.ToggleByUser(0);
    frm->expressOptions.ToggleByUser(5);
    frm->saveButton.Click();
    EXPECT_EQ(Dword(Hive::LocalMachine, kExpress, "BlockExeAttachments"), 0u);
    EXPECT_EQ(Dword(Hive::CurrentUser, "Software\\Microsoft\\WAB\\WAB4", "UseOutlook"),
              std::nullopt)
        << "all or nothing";
    ASSERT_EQ(app.dialogs.shown.size(), 2u);
    EXPECT_EQ(app.dialogs.shown[1].kind, MessageKind::Error);
    EXPECT_EQ(app.dialogs.shown[1].text.rfind("Die Einstellungen konnten nicht gespeichert "
                                              "werden:\r\nHKEY_LOCAL_MACHINE\\" +
                                                  std::string(kExpress) +
                                                  "\\BlockExeAttachments: Zugriff verweigert",
                                              0),
              0u);
    EXPECT_EQ(app.terminations, 0);
}

}  // namespace
}  // namespace brevolt
