#include <gtest/gtest.h>

#include <regex>
#include <utility>

#include "registry/MemoryRegistry.h"
#include "registry/Registry.h"
#include "support/FakeApplication.h"
#include "support/RecordingRegistry.h"
#include "unblock/Catalogue.h"
#include "unblock/Level1Lists.h"
#include "unblock/UnblockPage.h"

namespace brevolt {
namespace {

using registry::Hive;
using widgets::MessageKind;
using widgets::TextTone;
using Shown = std::pair<std::string, TextTone>;  // a cell's text and its tone

const std::string kOutlook11 = "Software\\Microsoft\\Office\\11.0\\Outlook\\Security";
const std::string kOffice11 = "Software\\Microsoft\\Office\\11.0\\Security";

// Every catalogue extension but those given, in catalogue order.
std::string CatalogueWithout(const std::set<std::string>& left) {
    std::string list;
    for (const auto& row : unblock::Catalogue) {
        if (left.count(row.extension) == 0) {
            list += (list.empty() ? "" : ";") + row.extension;
        }
    }
    return list;
}

class UnblockPageTest : public ::testing::Test {
  protected:
    // What a version switch does for the page, its write test passing.
    void Switch(const std::string& ver) {
        page.ConfirmPendingExtChanges(lists);
        page.ClearExtGrid();
        lists.unblocked = unblock::ReadUnblockedExts(ver).value_or(lists.unblocked);
        lists.blocked = unblock::ReadBlockedExts(ver).value_or(lists.blocked);
        lists.own = unblock::ReadOwnExts(ver).value_or(lists.own);
        page.SetUpExtGrid();
        page.FillExtGrid(lists, *versions::FindVersion(ver));
        recorder.changes.clear();
    }

    int RowOf(const std::string& extension) const {
        for (int row = 0; row < grid.RowCount(); ++row) {
            if (grid.CellText(1, row) == extension) {
                return row;
            }
        }
        return -1;
    }

    Shown RatingOf(int row) const { return {grid.CellText(3, row), grid.CellTone(3, row)}; }
    Shown RatingOf(const std::string& extension) const { return RatingOf(RowOf(extension)); }

    void Tick(const std::string& extension) { grid.ToggleCheckBoxByUser(0, RowOf(extension)); }
    bool Ticked(const std::string& extension) const { return grid.IsChecked(0, RowOf(extension)); }

    std::vector<std::string> TickedRows() const {
        std::vector<std::string> ticked;
        for (int row = 0; row < grid.RowCount(); ++row) {
            if (grid.IsChecked(0, row)) {
                ticked.push_back(grid.CellText(1, row));
            }
        }
        return ticked;
    }

    void Store(const std::string& key, const std::string& name, const std::string& text) {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath(key, true));
        reg.WriteText(name, text);
    }

    bool KeyExists(const std::string& key) {
        registry::Registry reg(memory);
        return reg.PathExists(key);
    }

    std::string Stored(const std::string& key, const std::string& name) {
        registry::Registry reg(memory);
        return reg.OpenPath(key, false) && reg.HasValue(name) ? reg.ReadText(name) : "<none>";
    }

    unblock::Level1Lists lists;
    registry::MemoryRegistry memory;
    testing::RecordingRegistry recorder{memory};
    registry::BackendScope scope{recorder};
    testing::ScriptedDialogs dialogs;
    widgets::ColumnGrid grid;
    unblock::UnblockPage page{grid, dialogs};

    UnblockPageTest() {
        grid.OnCheckBoxClick = [this](int col, int row) { page.BoxToggled(col, row); };
        page.SetUpExtGrid();
    }
};

TEST_F(UnblockPageTest, SetUpBuildsTheEmptyGridWithItsHeaders) {
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 0) << "the headers alone: the version decides the rows";
    EXPECT_EQ(grid.HeaderText(0), "Freigeschalten         ");
    EXPECT_EQ(grid.HeaderText(0).size(), 23u);
    EXPECT_EQ(grid.HeaderText(1), "Erweiterung");
    EXPECT_EQ(grid.HeaderText(2), "Programm");
    EXPECT_EQ(grid.HeaderText(3), "Einstufung");
    EXPECT_EQ(grid.HeaderText(4), "Richtlinie");
    EXPECT_EQ(grid.ColumnWidth(0), 160);
    EXPECT_EQ(grid.ColumnWidth(3), 100);
    EXPECT_EQ(grid.ColumnAlignment(0), widgets::Alignment::Centre);
    EXPECT_FALSE(grid.IsReadOnly(0));
    EXPECT_TRUE(grid.IsReadOnly(1) && grid.IsReadOnly(2) && grid.IsReadOnly(3) &&
                grid.IsReadOnly(4));
    EXPECT_TRUE(grid.SortingEnabled());
    EXPECT_EQ(grid.SortColumn(), 0);
}

TEST_F(UnblockPageTest, FillShowsTheCatalogueWithTicksAndRatings) {
    Store(kOutlook11, "Level1Remove", "chm");
    Switch("11.0");
    EXPECT_EQ(TickedRows(), std::vector<std::string>{"CHM"});
    EXPECT_EQ(grid.RowCount(), 38);
    EXPECT_EQ(grid.CellText(1, 0), "ADE");
    EXPECT_EQ(grid.CellText(2, 0), "Microsoft Access Projekt Erweiterung");
    EXPECT_EQ(RatingOf(0), Shown("Normal", TextTone::Calm));
    EXPECT_EQ(RatingOf("BAT"), Shown("Gefährlich", TextTone::Alarm));
    EXPECT_EQ(grid.CellText(1, 37), "WSH");
    EXPECT_EQ(grid.FillColumn(), 2) << "the descriptions take the room the others leave";
    EXPECT_EQ(grid.ColumnWidth(4), 0) << "no policy: no room for its column";
    EXPECT_FALSE(page.HasPendingChanges());
}

// A long type of the user's own is cut, so that the rating and the policy stay in sight.
TEST_F(UnblockPageTest, ALongTypeOfTheUsersOwnIsCutToKeepTheOtherColumnsInSight) {
    const std::string longType(32, 'Q');
    Store(kOutlook11, "Level1Remove", "chm;" + longType);
    Switch("11.0");
    ASSERT_EQ(grid.CellText(1, 38), longType);
    EXPECT_EQ(grid.ColumnWidth(1), 130) << "no wider than its limit";
    EXPECT_TRUE(grid.IsCut(1, 38));
    EXPECT_FALSE(grid.IsCut(1, 0));
    EXPECT_GE(grid.ColumnWidth(3), 80) << "the rating keeps its room";
}

// The fifth column tells what the policy does with a row; the ticks and the lists written stay
// the user's.
TEST_F(UnblockPageTest, RowsArePolicyMarkedAndTheHarvestStillReadsTheTicks) {
    Store(kOutlook11, "Level1Remove", "CHM;BAT");
    lists.unblocked = "CHM;BAT";
    unblock::AttachmentPolicy policy;
    policy.blocked = {"CHM", "BAT"};
    policy.unblocked = {"BAT", "HLP"};
    page.FillExtGrid(lists, *versions::FindVersion("11.0"), policy);
    EXPECT_EQ(grid.CellText(4, RowOf("CHM")), "gesperrt");
    EXPECT_EQ(grid.CellText(4, RowOf("BAT")), "gesperrt") << "blocking wins";
    EXPECT_EQ(grid.CellText(4, RowOf("HLP")), "freigegeben");
    EXPECT_EQ(grid.CellText(4, RowOf("ADE")), "");
    EXPECT_GT(grid.ColumnWidth(4), 0);
    EXPECT_EQ(TickedRows(), (std::vector<std::string>{"BAT", "CHM"}));
    page.SaveExtLists(lists);
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "BAT;CHM");
}

TEST_F(UnblockPageTest, ASaveWritesItsValuesInTheirOrder) {
    Store(kOutlook11, "Level1Remove", "CHM");
    Store(kOutlook11, "Level1RemoveUser", "OWN");
    Store(kOffice11, "Level1Add", "EXE");
    Store(kOffice11, "Level1Remove", "EXE");
    Switch("11.0");
    Tick("HLP");
    EXPECT_TRUE(page.HasPendingChanges());

    EXPECT_TRUE(page.SaveExtLists(lists).empty());

    const std::string resetAdd[] = {"delete " + kOffice11 + "\\Level1Add",
                                    "set " + kOffice11 + "\\Level1Add=\" \""};
    std::vector<std::string> expected = {
        resetAdd[0],
        resetAdd[1],
        "delete " + kOffice11 + "\\Level1Remove",
        "set " + kOffice11 + "\\Level1Remove=\" \"",
        "set " + kOutlook11 + "\\Level1Remove=\"CHM;HLP\"",
        resetAdd[0],
        resetAdd[1],
        "set " + kOutlook11 + "\\Level1Add=\"" + CatalogueWithout({"CHM", "HLP"}) + "\"",
        resetAdd[0],
        resetAdd[1],
        "set " + kOutlook11 + "\\Level1RemoveUser=\"OWN\"",
        resetAdd[0],
        resetAdd[1]};
    EXPECT_EQ(recorder.changes, expected);
    EXPECT_EQ(Stored(kOffice11, "Level1Add"), " ");
    EXPECT_EQ(Stored(kOffice11, "Level1Remove"), " ");
}

TEST_F(UnblockPageTest, NoneOrAllTickedWriteOneListEmptyAndTheOtherWhole) {
    Switch("11.0");
    page.SaveExtLists(lists);
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "");
    EXPECT_EQ(Stored(kOutlook11, "Level1Add"), CatalogueWithout({}));

    page.TickAll();
    page.SaveExtLists(lists);
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), CatalogueWithout({}));
    EXPECT_EQ(Stored(kOutlook11, "Level1Add"), "");
}

TEST_F(UnblockPageTest, WholeEntriesTickRowsNotPartsOfLongerNames) {
    Store(kOutlook11, "Level1Remove", "jse;ADEX; .chm ;");
    Switch("11.0");
    EXPECT_EQ(TickedRows(), (std::vector<std::string>{"CHM", "JSE", "ADEX"}))
        << "ADEX is a type of its own, not ADE";
    EXPECT_FALSE(Ticked("JS"));
    EXPECT_FALSE(Ticked("ADE"));
}

TEST_F(UnblockPageTest, EntriesTheCatalogueDoesNotKnowAreWrittenBack) {
    Store(kOutlook11, "Level1Remove", "EXE;CHM;; ;VBS;..X; .");
    Store(kOutlook11, "Level1Add", "ADE;XYZ");
    Switch("11.0");
    Tick("HLP");
    page.SaveExtLists(lists);
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "CHM;HLP;EXE;VBS;..X");
    EXPECT_EQ(Stored(kOutlook11, "Level1Add"), CatalogueWithout({"CHM", "HLP"}) + ";XYZ");
}

// Outlook 2007 and later take their entries in the form Microsoft documents, with a leading dot;
// the page reads either form, and keeps entries it cannot show as they were stored. Their save
// writes the unblocked list alone: "Level1Add" stays as stored but for the types now unblocked,
// and nothing Office-wide and no "Level1RemoveUser" is written.
TEST_F(UnblockPageTest, Outlook2007AndLaterWriteOnlyTheUnblockedListWithLeadingDots) {
    const std::string outlook16 = "Software\\Microsoft\\Office\\16.0\\Outlook\\Security";
    Store(outlook16, "Level1Remove", ".chm;exe;Py;qqz;a b");
    Store(outlook16, "Level1Add", ".zip; .bat ;Xyz");
    Switch("16.0");
    EXPECT_EQ(TickedRows(), (std::vector<std::string>{"CHM", "EXE", "PY", "QQZ"}));
    Tick("PS1");
    page.SaveExtLists(lists);
    EXPECT_EQ(recorder.changes,
              std::vector<std::string>{"set " + outlook16 +
                                       "\\Level1Remove=\".CHM;.EXE;.PS1;.PY;.QQZ;A B\""});
    EXPECT_EQ(Stored(outlook16, "Level1Add"), ".zip; .bat ;Xyz") << "untouched";

    Tick("BAT");
    recorder.changes.clear();
    page.SaveExtLists(lists);
    EXPECT_EQ(recorder.changes,
              (std::vector<std::string>{
                  "set " + outlook16 + "\\Level1Remove=\".BAT;.CHM;.EXE;.PS1;.PY;.QQZ;A B\"",
                  "set " + outlook16 + "\\Level1Add=\".zip;Xyz\""}))
        << "a type the user unblocks leaves the add list; the others stay as stored";

    Tick("ADE");
    dialogs.answers.push_back(true);
    Switch("11.0");  // the kept tick goes to 16.0, in its form
    EXPECT_EQ(Stored(outlook16, "Level1Remove"), ".ADE;.BAT;.CHM;.EXE;.PS1;.PY;.QQZ;A B");
    EXPECT_FALSE(KeyExists("Software\\Microsoft\\Office\\16.0\\Security"));
    EXPECT_EQ(Stored(outlook16, "Level1RemoveUser"), "<none>");
}

// Each version shows its own catalogue: 2016 to 365 the current types with the program's
// ratings, an own type the program does not know rated "Unbekannt".
TEST_F(UnblockPageTest, EachVersionShowsItsOwnCatalogueAndRatings) {
    Store("Software\\Microsoft\\Office\\16.0\\Outlook\\Security", "Level1Remove", ".py;.qqz");
    Switch("16.0");
    EXPECT_EQ(grid.RowCount(), 120 + 1);
    EXPECT_EQ(grid.CellText(1, 0), "ADE");
    for (const char* type : {"PS1", "JAR", "APPREF-MS", "VHD"}) {
        EXPECT_GE(RowOf(type), 0) << type;
    }
    EXPECT_EQ(RatingOf("PS1"), Shown("Gefährlich", TextTone::Alarm));
    EXPECT_EQ(RatingOf("ISO"), Shown("Normal", TextTone::Calm));
    EXPECT_EQ(RatingOf("QQZ"), Shown("Unbekannt", TextTone::Faint));
    EXPECT_EQ(grid.CellText(2, RowOf("QQZ")), "Eigener Dateityp");
    EXPECT_EQ(TickedRows(), (std::vector<std::string>{"PY", "QQZ"}));

    Switch("14.0");
    EXPECT_EQ(grid.RowCount(), 89);
    EXPECT_LT(RowOf("PY"), 0);
    EXPECT_EQ(RatingOf("JS"), Shown("Gefährlich", TextTone::Alarm));

    Switch("11.0");
    EXPECT_EQ(grid.RowCount(), 38);
    EXPECT_EQ(RatingOf("JS"), Shown("Normal", TextTone::Calm))
        << "the catalogue of 2000 to 2003 keeps its ratings";
}

// The type and rating columns are as wide for every catalogue: they do not jump when the user
// switches versions.
TEST_F(UnblockPageTest, TheColumnsKeepTheirWidthsAcrossCatalogues) {
    std::vector<std::vector<int>> widths;
    for (const char* version : {"11.0", "14.0", "16.0"}) {
        Switch(version);
        widths.push_back({grid.ColumnWidth(1), grid.ColumnWidth(3)});
    }
    EXPECT_EQ(widths[0], widths[1]);
    EXPECT_EQ(widths[0], widths[2]);
}

// A type only the policy names gets a row, unticked, so that the user learns what it does.
TEST_F(UnblockPageTest, ATypeOnlyThePolicyNamesGetsAMarkedRow) {
    unblock::AttachmentPolicy policy;
    policy.mode = unblock::SecurityMode::GroupPolicy;
    policy.blocked = {"CHM"};
    policy.unblocked = {"QQX", "BAT"};
    page.FillExtGrid(lists, *versions::FindVersion("16.0"), policy);
    ASSERT_EQ(grid.RowCount(), 120 + 1);
    EXPECT_EQ(grid.CellText(1, 120), "QQX");
    EXPECT_EQ(grid.CellText(2, 120), "Von einer Richtlinie genannt");
    EXPECT_EQ(grid.CellText(4, 120), "freigegeben");
    EXPECT_FALSE(grid.IsChecked(0, 120));
    EXPECT_EQ(grid.CellText(4, RowOf("CHM")), "gesperrt");
    page.SaveExtLists(lists);
    EXPECT_EQ(lists.unblocked, "") << "an unticked row of the policy's is written nowhere";
}

// Types the catalogue does not know get rows of their own below it, ticked, in stored order,
// once each; an entry that names a catalogue row ticks that row.
TEST_F(UnblockPageTest, StoredTypesOutsideTheCatalogueGetRowsOfTheirOwn) {
    Store(kOutlook11, "Level1Remove", ".ps1;exe;Py;.PS1;chm;CHM;a b;..x");
    Switch("11.0");
    ASSERT_EQ(grid.RowCount(), 38 + 3);
    const std::vector<std::vector<std::string>> own = {
        {"PS1", "Eigener Dateityp", "Gefährlich"},
        {"EXE", "Eigener Dateityp", "Gefährlich"},
        {"PY", "Eigener Dateityp", "Gefährlich"},
    };
    for (int i = 0; i < 3; ++i) {
        const int row = 38 + i;
        EXPECT_EQ((std::vector<std::string>{grid.CellText(1, row), grid.CellText(2, row),
                                            grid.CellText(3, row)}),
                  own[i]);
        EXPECT_EQ(grid.CellTone(3, row), TextTone::Alarm);
        EXPECT_TRUE(grid.IsChecked(0, row));
    }
    EXPECT_EQ(TickedRows(), (std::vector<std::string>{"CHM", "PS1", "EXE", "PY"}));
    EXPECT_FALSE(page.HasPendingChanges());

    page.SaveExtLists(lists);
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "CHM;PS1;EXE;PY;A B;..X")
        << "entries that name no type are kept as stored";
}

// A ticked own row is unblocked like a catalogue row; an unticked one is written nowhere, and a
// kept blocked entry of a type now unblocked goes.
TEST_F(UnblockPageTest, OwnRowsAreUnblockedWhenTickedAndOtherwiseWrittenNowhere) {
    Store(kOutlook11, "Level1Remove", "PS1;PY");
    Store(kOutlook11, "Level1Add", "ps1;XYZ");
    Switch("11.0");
    Tick("PY");
    page.SaveExtLists(lists);
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "PS1");
    EXPECT_EQ(Stored(kOutlook11, "Level1Add"), CatalogueWithout({}) + ";XYZ");

    page.TickNone();
    EXPECT_FALSE(Ticked("PS1"));
    page.TickAll();
    EXPECT_TRUE(Ticked("PY"));
}

TEST_F(UnblockPageTest, AddingATypeTicksItsRowOrAddsOne) {
    Switch("11.0");
    EXPECT_TRUE(page.AddExtension("CHM"));
    EXPECT_TRUE(Ticked("CHM"));
    EXPECT_EQ(grid.RowCount(), 38);
    EXPECT_TRUE(page.HasPendingChanges());
    EXPECT_TRUE(page.AddExtension("PY"));
    EXPECT_TRUE(page.AddExtension("PY"));
    ASSERT_EQ(grid.RowCount(), 39);
    EXPECT_EQ(grid.CellText(2, 38), "Eigener Dateityp");
    page.SaveExtLists(lists);
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "CHM;PY");

    page.ClearExtGrid();
    EXPECT_FALSE(page.AddExtension("PS1")) << "no filled grid: nothing to add to";
}

TEST_F(UnblockPageTest, TheUsersOwnListIsWrittenBackAsStored) {
    for (const char* own : {";own;", ";abc;xyz"}) {
        Store(kOutlook11, "Level1RemoveUser", own);
        Switch("11.0");
        page.SaveExtLists(lists);
        EXPECT_EQ(Stored(kOutlook11, "Level1RemoveUser"), own);
    }
}

TEST_F(UnblockPageTest, SortedDescendingWritesDescendingLists) {
    Store(kOutlook11, "Level1Remove", "ADE;WSH");
    Switch("11.0");
    grid.HeaderClick(1);
    grid.HeaderClick(1);
    EXPECT_EQ(grid.CellText(1, 0), "WSH");
    page.SaveExtLists(lists);
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "WSH;ADE");
    EXPECT_EQ(Stored(kOutlook11, "Level1Add").substr(0, 12), "WSF;WSC;SHS;");
}

TEST_F(UnblockPageTest, TogglingABoxBackStillAsks) {
    Switch("11.0");
    Tick("CHM");
    Tick("CHM");
    dialogs.answers = {false};
    Switch("10.0");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(dialogs.shown[0].caption, "Bestätigung");
    EXPECT_EQ(dialogs.shown[0].text, "Wollen Sie die Änderungen übernehmen?");
    EXPECT_FALSE(page.HasPendingChanges());
}

// Kept ticks go to the version left, written as a save writes them: a type just unblocked must
// not stay in the blocked list written by the last save.
TEST_F(UnblockPageTest, KeptTicksGoToTheVersionLeftAsASaveWritesThem) {
    Store("Software\\Microsoft\\Office\\10.0\\Outlook\\Security", "Level1Remove", "HLP");
    Store(kOutlook11, "Level1Add", CatalogueWithout({}) + ";STORED");
    Store(kOutlook11, "Level1RemoveUser", "MINE");
    Switch("11.0");
    page.TickAll();
    dialogs.answers = {true};
    page.ConfirmPendingExtChanges(lists);

    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), CatalogueWithout({}));
    EXPECT_EQ(Stored(kOutlook11, "Level1Add"), "STORED");
    EXPECT_EQ(Stored(kOutlook11, "Level1RemoveUser"), "MINE");
    EXPECT_EQ(Stored(kOffice11, "Level1Add"), " ");
    EXPECT_EQ(Stored(kOffice11, "Level1Remove"), " ");
}

TEST_F(UnblockPageTest, TicksNotKeptAreLostAndTheNewVersionShowsItsOwn) {
    Store("Software\\Microsoft\\Office\\10.0\\Outlook\\Security", "Level1Remove", "HLP");
    Switch("11.0");
    page.TickAll();
    dialogs.answers = {false};
    Switch("10.0");
    EXPECT_EQ(recorder.changes, std::vector<std::string>{});
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "<none>");
    EXPECT_EQ(TickedRows(), std::vector<std::string>{"HLP"});
}

TEST_F(UnblockPageTest, PendingTicksGoToTheVersionTheyWereMadeFor) {
    Switch("10.0");
    Tick("CHM");
    dialogs.answers = {true};
    Switch("11.0");
    EXPECT_EQ(Stored("Software\\Microsoft\\Office\\10.0\\Outlook\\Security", "Level1Remove"),
              "CHM");
    EXPECT_FALSE(KeyExists("Software\\Microsoft\\Office\\11.0")) << "a look writes nothing";
}

TEST_F(UnblockPageTest, AnUnfilledGridWritesNothingAndAsksNothing) {
    Store(kOutlook11, "Level1Remove", "CHM");
    Switch("11.0");
    page.ClearExtGrid();  // a switch whose write test failed
    page.TickAll();
    page.TickNone();
    EXPECT_TRUE(page.HasPendingChanges());
    EXPECT_FALSE(grid.HasCheckBox(0, 0));

    EXPECT_TRUE(page.SaveExtLists(lists).empty());
    page.ConfirmPendingExtChanges(lists);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(page.HasPendingChanges());
    EXPECT_EQ(recorder.changes, std::vector<std::string>{});
    EXPECT_EQ(Stored(kOutlook11, "Level1Remove"), "CHM");
}

TEST_F(UnblockPageTest, ASaveNamesTheListsItCouldNotWrite) {
    Switch("11.0");
    memory.DenyFullAccess(Hive::CurrentUser, kOutlook11);
    EXPECT_EQ(page.SaveExtLists(lists),
              (std::vector<std::string>{"Level1Remove", "Level1Add", "Level1RemoveUser"}));
    memory.DenyFullAccess(Hive::CurrentUser, kOffice11);
    EXPECT_EQ(page.SaveExtLists(lists),
              (std::vector<std::string>{"Level1Add", "Level1Remove", "Level1RemoveUser"}));
}

}  // namespace
}  // namespace brevolt
