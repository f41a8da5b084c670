// The main window of the real program under Wine, driven from outside as a user would.
#include <gtest/gtest.h>

#include <functional>

#include "base/WideText.h"
#include "e2e/Controls.h"
#include "e2e/Driver.h"
#include "e2e/MenuCommands.h"
#include "e2e/Seed.h"

namespace brevolt::e2e {
namespace {

const std::string kOutlook2003Security = "Software\\Microsoft\\Office\\11.0\\Outlook\\Security";
const std::string kOffice2003Security = "Software\\Microsoft\\Office\\11.0\\Security";

const char* const kOutlook2003WithChm =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Outlook\\Security]\r\n"
    "\"Level1Remove\"=\"CHM\"\r\n\r\n";

// One scenario: the program's keys cleared and seeded, a fresh copy of the program started.
class MainWindowEndToEnd : public ::testing::Test {
  protected:
    void Start(const std::string& seed, const std::string& settings = "") {
        if (program && program->WaitForExit(0ms)) {
            EXPECT_EQ(program->ExitCode(), 0u);
        }
        program.reset();
        installation.emplace();
        ClearProgramKeys();
        ImportReg(seed);
        footprint.emplace();
        if (!settings.empty()) {
            WriteFileBytes(installation->File(L"main.ini"), settings);
        }
        program.emplace(installation->Executable());
        window = program->WaitForWindow(L"MainWindow");
        ASSERT_NE(window, nullptr);
        for (HWND list : FindChildren(window, L"SysListView32")) {
            if (ItemCount(list) >= 38) {  // the catalogue, and any types of the user's own
                grid = list;
            }
        }
        tabs = FindChild(window, L"SysTabControl32");
    }

    // The list view that holds this many items, once it shows.
    HWND ListWithItems(int count) {
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND list : FindChildren(window, L"SysListView32")) {
                if (ItemCount(list) == count && IsWindowVisible(list)) {
                    found = list;
                }
            }
            return found != nullptr;
        });
        return found;
    }
    bool HeaderShows(const std::wstring& text) {
        return WaitUntil([&] { return FindChild(window, L"Static", text) != nullptr; });
    }
    int Row(const wchar_t* extension) { return FindItem(grid, extension, 1); }
    HWND Button(const wchar_t* caption) { return FindChild(window, L"Button", caption); }
    bool FocusIsOn(HWND control) {
        return WaitUntil([&] { return FocusedControl(window) == control; });
    }
    // The header's text: its label is the window's first static control.
    std::wstring Header() { return WindowText(FindChild(window, L"Static")); }
    void PressButton(const wchar_t* caption) { Click(FindChild(window, L"Button", caption)); }
    // Ticks an unticked item with the space bar; true once the list shows it ticked.
    bool TickWithSpaceBar(HWND list, int item) {
        ToggleWithSpaceBar(list, item);
        return WaitUntil([&] { return IsItemChecked(list, item); });
    }
    // Presses "Speichern" and confirms the information that follows; true once the program ended.
    bool SaveAndEnd() {
        PressButton(L"Speichern");
        return ConfirmSaveAndEnd();
    }
    // Confirms the information a save shows first; true once the program ended.
    bool ConfirmSaveAndEnd() {
        AnswerBox("Informationen",
                  "Die Einstellungen werden erst beim nächsten Start von Outlook aktiviert.", IDOK);
        return program->WaitForExit();
    }
    HWND AnswerBox(const char* caption, const char* text, int button) {
        const HWND box = program->WaitForMessageBox();
        EXPECT_NE(box, nullptr);
        if (box != nullptr) {
            EXPECT_EQ(Utf8(WindowText(box)), caption);
            EXPECT_EQ(Utf8(MessageBoxText(box)), text);
            e2e::PressButton(box, button);
        }
        return box;
    }

    // Around every scenario: a program that ended did so cleanly, and nothing in the registry
    // changed but what the program may touch.
    void TearDown() override {
        if (program && program->WaitForExit(0ms)) {
            EXPECT_EQ(program->ExitCode(), 0u);
        }
        program.reset();
        if (footprint) {
            EXPECT_EQ(footprint->ChangesOutside(mayChange), "");
        }
    }

    // The keys and values below the user's Office key, as "HKCU\path\name" ("HKCU\path\" for a
    // key).
    static std::vector<std::string> OfficeEntries() {
        const std::string office = "HKCU\\Software\\Microsoft\\Office\\";
        std::vector<std::string> entries;
        for (const auto& [name, content] : TakeRegistrySnapshot()) {
            if (name.rfind(office, 0) == 0) {
                entries.push_back(name);
            }
        }
        return entries;
    }

    std::vector<std::string> mayChange = {"HKCU\\Software\\Microsoft\\Office\\"};
    std::optional<Footprint> footprint;
    std::optional<Installation> installation;
    std::optional<Program> program;  // ends before its installation goes
    HWND window = nullptr;
    HWND grid = nullptr;
    HWND tabs = nullptr;
};

TEST_F(MainWindowEndToEnd, UnblockingOneMoreTypeSettingAnOptionAndSaving) {
    Start(std::string(kOutlook2003WithChm) +
          "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences]\r\n"
          "\"MinToTray\"=dword:00000001\r\n");
    EXPECT_TRUE(HeaderShows(L"Outlook 2003"));
    EXPECT_FALSE(KeyExists("Software\\Microsoft\\Office\\0.0"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(ItemText(grid, 0, 1), L"ADE");
    EXPECT_EQ(ItemText(grid, 5, 3), L"Gefährlich");
    for (int row = 0; row < 38; ++row) {
        EXPECT_EQ(IsItemChecked(grid, row), ItemText(grid, row, 1) == L"CHM") << row;
    }
    EXPECT_EQ(TabTexts(tabs),
              (std::vector<std::wstring>{L"Dateien freischalten", L"Weitere Einstellungen"}));

    EXPECT_TRUE(TickWithSpaceBar(grid, Row(L"HLP")));

    ClickTab(tabs, L"Weitere Einstellungen");
    const HWND options = ListWithItems(14);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsItemChecked(options, 0); }));  // MinToTray 1
    EXPECT_FALSE(IsItemChecked(options, 1));
    EXPECT_TRUE(IsItemChecked(options, 7));  // auto-archiving not switched on
    EXPECT_TRUE(TickWithSpaceBar(options, 1));
    ASSERT_TRUE(SaveAndEnd());

    EXPECT_EQ(StoredText(kOutlook2003Security, "Level1Remove"), "CHM;HLP");
    const auto blocked = StoredText(kOutlook2003Security, "Level1Add");
    ASSERT_TRUE(blocked.has_value());
    EXPECT_EQ(blocked->substr(0, 24), "ADE;ADP;APP;ASX;BAS;BAT;");
    EXPECT_EQ(blocked->find("CHM"), std::string::npos);
    EXPECT_EQ(blocked->find("HLP"), std::string::npos);
    EXPECT_EQ(StoredText(kOutlook2003Security, "Level1RemoveUser"), "");
    EXPECT_EQ(StoredText(kOffice2003Security, "Level1Add"), " ");
    EXPECT_EQ(StoredText(kOffice2003Security, "Level1Remove"), " ");
    EXPECT_EQ(ReadFileBytes(installation->File(L"main.ini")), "<missing>");

    const std::string office = "Software\\Microsoft\\Office\\11.0\\Outlook\\";
    EXPECT_EQ(StoredDword(office + "Preferences", "MinToTray"), 1u);
    EXPECT_EQ(StoredDword(office + "Preferences", "ShowBcc"), 1u);
    EXPECT_EQ(StoredDword(office + "Preferences", "DoAging"), 0u);
    EXPECT_EQ(StoredDword(office + "IM", "Enabled"), 0u);
    EXPECT_EQ(StoredText(office + "Options\\General", "PONT_STRING"), "");
    EXPECT_EQ(StoredDword(office + "Options\\Mail", "BlockExtContent"), 1u);
}

const char* const kMicrosoft365OnTheMachine =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Office\\16.0\\Outlook\\InstallRoot]\r\n"
    "\"Path\"=\"C:\\\\Program Files\\\\Microsoft Office\\\\root\\\\Office16\\\\\"\r\n\r\n";

// A fresh profile on a machine with Microsoft 365: the program starts on its version, and the
// save writes that version's list in its form.
TEST_F(MainWindowEndToEnd, AFreshProfileWithMicrosoft365StartsOnItAndSavesItsList) {
    Start(kMicrosoft365OnTheMachine);
    EXPECT_TRUE(HeaderShows(L"Outlook 2016 bis 365"));
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(TickWithSpaceBar(grid, Row(L"CHM")));
    ASSERT_TRUE(SaveAndEnd());
    const std::string security = "Software\\Microsoft\\Office\\16.0\\Outlook\\Security";
    EXPECT_EQ(StoredText(security, "Level1Remove"), ".CHM");
    EXPECT_EQ(StoredText(security, "Level1Add"), std::nullopt);
}

const std::string kOutlook365Security = "Software\\Microsoft\\Office\\16.0\\Outlook\\Security";

// Outlook 2016 to 365 with a list of the user's: the grid shows the version's own types and
// ratings, and the save changes "Level1Remove" alone.
TEST_F(MainWindowEndToEnd, Microsoft365ShowsItsOwnTypesAndTheSaveChangesTheUnblockedListAlone) {
    mayChange = {"HKCU\\" + kOutlook365Security + "\\Level1Remove"};
    Start(std::string(kMicrosoft365OnTheMachine) + "[HKEY_CURRENT_USER\\" + kOutlook365Security +
          "]\r\n\"Level1Remove\"=\".py;.qqz\"\r\n\"Level1Add\"=\".zip\"\r\n");
    ASSERT_TRUE(HeaderShows(L"Outlook 2016 bis 365"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(ItemCount(grid), 121);
    for (const wchar_t* type : {L"PS1", L"JAR", L"APPREF-MS"}) {
        EXPECT_GE(Row(type), 0) << Utf8(type);
    }
    EXPECT_TRUE(IsItemChecked(grid, Row(L"PY")));
    EXPECT_EQ(ItemText(grid, Row(L"PS1"), 3), L"Gefährlich");
    EXPECT_EQ(ItemText(grid, Row(L"QQZ"), 3), L"Unbekannt");
    EXPECT_TRUE(TickWithSpaceBar(grid, Row(L"BAT")));
    ASSERT_TRUE(SaveAndEnd());
    EXPECT_EQ(StoredText(kOutlook365Security, "Level1Remove"), ".BAT;.PY;.QQZ");
    EXPECT_EQ(StoredText(kOutlook365Security, "Level1Add"), ".zip");
}

// The options documented for Outlook 2016 to 365 are written; one it no longer has cannot be
// ticked and is not written.
TEST_F(MainWindowEndToEnd, Microsoft365WritesTheOptionsItReadsAndNoOther) {
    Start(kMicrosoft365OnTheMachine);
    ASSERT_TRUE(HeaderShows(L"Outlook 2016 bis 365"));
    ClickTab(tabs, L"Weitere Einstellungen");
    const HWND options = ListWithItems(14);
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(ItemText(options, 0, 0), L"Outlook beim minimieren in die Taskleiste");
    EXPECT_TRUE(TickWithSpaceBar(options, 0));
    EXPECT_EQ(ItemText(options, 2, 0), L"Persönliche Menüs aus");
    ToggleWithSpaceBar(options, 2);
    EXPECT_FALSE(WaitUntil([&] { return IsItemChecked(options, 2); }, 500ms)) << "disabled";
    ASSERT_TRUE(SaveAndEnd());
    EXPECT_EQ(StoredDword("Software\\Microsoft\\Office\\16.0\\Outlook\\Preferences", "MinToTray"),
              1u);
    const std::string office = "HKCU\\Software\\Microsoft\\Office\\";
    EXPECT_EQ(OfficeEntries(),
              (std::vector<std::string>{office, office + "16.0\\", office + "16.0\\Outlook\\",
                                        office + "16.0\\Outlook\\Preferences\\",
                                        office + "16.0\\Outlook\\Preferences\\MinToTray",
                                        office + "16.0\\Outlook\\Security\\",
                                        office + "16.0\\Outlook\\Security\\Level1Remove"}))
        << "the option and the (empty) list, nothing else";
}

// A policy's type lists count only where Outlook follows the Group Policy settings, and a
// customisation policy of 0 is switched off.
TEST_F(MainWindowEndToEnd, APolicysTypesAreMarkedOnlyInTheGroupPolicyMode) {
    const std::string policy =
        "[HKEY_CURRENT_USER\\Software\\Policies\\Microsoft\\Office\\16.0\\Outlook\\Security]\r\n"
        "\"FileExtensionsAddLevel1\"=\".chm\"\r\n"
        "\"FileExtensionsRemoveLevel1\"=\".qqx\"\r\n"
        "\"DisallowAttachmentCustomization\"=dword:00000000\r\n";
    Start(std::string(kMicrosoft365OnTheMachine) + policy);
    ASSERT_TRUE(HeaderShows(L"Outlook 2016 bis 365"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(ItemCount(grid), 120);
    EXPECT_EQ(ItemText(grid, Row(L"CHM"), 4), L"");
    EXPECT_EQ(Row(L"QQX"), -1);
    for (const HWND label : FindChildren(window, L"Static")) {
        const std::wstring text = WindowText(label);
        EXPECT_EQ(text.find(L"Richtlinie"), std::wstring::npos) << Utf8(text) << ": no notice";
        EXPECT_EQ(text.find(L"Outlook folgt"), std::wstring::npos) << Utf8(text) << ": no notice";
    }
    PressButton(L"Beenden");
    ASSERT_TRUE(program->WaitForExit());

    Start(std::string(kMicrosoft365OnTheMachine) + policy +
          "\"AdminSecurityMode\"=dword:00000003\r\n"
          "\"AllowUsersToLowerAttachments\"=dword:00000001\r\n");
    ASSERT_TRUE(HeaderShows(L"Outlook 2016 bis 365"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(ItemText(grid, Row(L"CHM"), 4), L"gesperrt");
    ASSERT_GE(Row(L"QQX"), 0);
    EXPECT_EQ(ItemText(grid, Row(L"QQX"), 2), L"Von einer Richtlinie genannt");
    EXPECT_EQ(ItemText(grid, Row(L"QQX"), 4), L"freigegeben");
    PressButton(L"Beenden");
    ASSERT_TRUE(program->WaitForExit());
}

// A look at a version writes nothing: after Outlook 2002 was shown, the next start without
// main.ini is on the installed version again.
TEST_F(MainWindowEndToEnd, ALookAtAVersionWritesNothing) {
    Start(kMicrosoft365OnTheMachine);
    ASSERT_TRUE(HeaderShows(L"Outlook 2016 bis 365"));
    ChooseMenuCommand(window, kMenuOutlook2002);
    ASSERT_TRUE(HeaderShows(L"Outlook 2002 (XP)"));
    PressButton(L"Beenden");
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(OfficeEntries(), std::vector<std::string>{"HKCU\\Software\\Microsoft\\Office\\"})
        << "the Office key alone, left by the write test";
    DeleteFileW(installation->File(L"main.ini").c_str());
    program.emplace(installation->Executable());
    window = program->WaitForWindow(L"MainWindow");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(HeaderShows(L"Outlook 2016 bis 365"));
    PressButton(L"Beenden");
    ASSERT_TRUE(program->WaitForExit());
}

// A policy that disallows the user's list: the page says so, the save says so and still writes
// the user's list, and nothing is written below Policies (the footprint allows Office's keys
// only).
TEST_F(MainWindowEndToEnd, ADisallowingPolicyIsToldAndLeftAsItIs) {
    Start(std::string(kMicrosoft365OnTheMachine) +
          "[HKEY_CURRENT_USER\\Software\\Policies\\Microsoft\\Office\\16.0\\Outlook\\Security]\r\n"
          "\"DisallowAttachmentCustomization\"=dword:00000001\r\n");
    const std::string notice =
        "Eine Richtlinie Ihres Administrators verbietet, gesperrte Dateitypen freizuschalten. "
        "Ihre Auswahl wird gespeichert, wirkt aber erst, wenn Ihr Administrator die Richtlinie "
        "aufhebt.";
    ASSERT_TRUE(HeaderShows(text::Widen(notice)));
    EXPECT_TRUE(IsWindowVisible(FindChild(window, L"Static", text::Widen(notice))));
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(TickWithSpaceBar(grid, Row(L"HLP")));
    PressButton(L"Speichern");
    AnswerBox("Informationen",
              ("Die Einstellungen werden erst beim nächsten Start von Outlook aktiviert.\r\n\r\n" +
               notice)
                  .c_str(),
              IDOK);
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(StoredText("Software\\Microsoft\\Office\\16.0\\Outlook\\Security", "Level1Remove"),
              ".HLP");
}

TEST_F(MainWindowEndToEnd, AnIdentityChosenTickedAndSaved) {
    mayChange.push_back("HKCU\\Identities\\");
    Start(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Outlook]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Identities\\{A}]\r\n"
        "\"Username\"=\"Anna\"\r\n\"User ID\"=\"{A}\"\r\n"
        "\"Identity Ordinal\"=dword:00000001\r\n\r\n"
        "[HKEY_CURRENT_USER\\Identities\\{B}]\r\n"
        "\"Username\"=\"Büro\"\r\n\"User ID\"=\"{B}\"\r\n"
        "\"Identity Ordinal\"=dword:00000000\r\n",
        "[Brevolt]\r\nLastVersion=6.0\r\n");
    EXPECT_TRUE(HeaderShows(L"Outlook Express"));
    const HWND identities = FindChild(window, L"ComboBox");
    ASSERT_NE(identities, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(identities, CB_GETCOUNT, 0, 0) == 2; }));
    EXPECT_EQ(SendMessageW(identities, CB_GETCURSEL, 0, 0), 0);

    ChooseEntry(identities, 1);
    const HWND options = ListWithItems(4);
    ASSERT_NE(options, nullptr);
    const std::string mailB = "Identities\\{B}\\Software\\Microsoft\\Outlook Express\\5.0\\Mail";
    EXPECT_TRUE(WaitUntil([&] { return IsItemChecked(options, 0) && !IsItemChecked(options, 1); }));
    EXPECT_FALSE(KeyExists(mailB)) << "reading creates nothing";
    EXPECT_TRUE(TickWithSpaceBar(options, 1));

    ASSERT_TRUE(SaveAndEnd());

    EXPECT_EQ(StoredDword(mailB, "Show Adv Mail Send"), 1u);
    EXPECT_EQ(StoredDword(mailB, "Safe Attachments"), 1u);
    EXPECT_EQ(StoredDword(mailB, "Warn on Mapi Send"), 1u);
    EXPECT_EQ(StoredDword("Identities\\{B}\\Software\\Microsoft\\Outlook Express\\5.0\\"
                          "Trident\\Main",
                          "Disable Script Debugger"),
              1u);
    const std::string mailA = "Identities\\{A}\\Software\\Microsoft\\Outlook Express\\5.0\\Mail";
    EXPECT_FALSE(KeyExists(mailA)) << "the identity not chosen when saving is not written";
    // The page "Outlook Express" was never shown: none of its settings was written.
    EXPECT_EQ(StoredDword("Software\\Microsoft\\Outlook Express", "BlockExeAttachments", true),
              std::nullopt);
    EXPECT_EQ(StoredDword("Software\\Microsoft\\WAB\\WAB4", "UseOutlook"), std::nullopt);
}

TEST_F(MainWindowEndToEnd, AStartInOutlookExpressMode) {
    Start(kOutlook2003WithChm, "[Brevolt]\r\nLastVersion=6.0\r\n");
    EXPECT_TRUE(HeaderShows(L"Outlook Express"));
    EXPECT_EQ(TabTexts(tabs), (std::vector<std::wstring>{L"Identitäten", L"Outlook Express"}));
    EXPECT_EQ(SelectedTab(tabs), L"Identitäten");
    EXPECT_FALSE(KeyExists("Software\\Microsoft\\Office\\6.0")) << "a start writes nothing there";

    PressButton(L"Beenden");
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(ReadFileBytes(installation->File(L"main.ini")), "[Brevolt]\r\nLastVersion=6.0\r\n");
}

TEST_F(MainWindowEndToEnd, PendingTicksAreKeptOrDroppedAsAnswered) {
    for (const int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer == IDYES ? "Ja" : "Nein");
        Start(std::string(kOutlook2003WithChm) +
                  "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\10.0\\Outlook\\Security]\r\n"
                  "\"Level1Remove\"=\"HLP\"\r\n",
              "[Brevolt]\r\nLastVersion=11.0\r\n");
        ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
        ASSERT_TRUE(TickWithSpaceBar(grid, Row(L"HLP")));

        ChooseMenuCommand(window, kMenuOutlook2002);
        const HWND box = program->WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(Utf8(WindowText(box)), "Bestätigung");
        EXPECT_EQ(Utf8(WindowText(GetDlgItem(box, IDYES))), "&Ja");
        EXPECT_EQ(Utf8(WindowText(GetDlgItem(box, IDNO))), "&Nein");
        EXPECT_EQ(Utf8(MessageBoxText(box)), "Wollen Sie die Änderungen übernehmen?");
        e2e::PressButton(box, answer);

        EXPECT_TRUE(HeaderShows(L"Outlook 2002 (XP)"));
        EXPECT_TRUE(WaitUntil(
            [&] { return IsItemChecked(grid, Row(L"HLP")) && !IsItemChecked(grid, Row(L"CHM")); }));
        ChooseMenuCommand(window, kMenuFileExit);
        ASSERT_TRUE(program->WaitForExit());
        EXPECT_EQ(StoredText(kOutlook2003Security, "Level1Remove"),
                  answer == IDYES ? "CHM;HLP" : "CHM");
        EXPECT_EQ(ReadFileBytes(installation->File(L"main.ini")),
                  "[Brevolt]\r\nLastVersion=10.0\r\n");
    }
}

// A tick stays when the user turns to another page and back; the close box then asks about it:
// "Abbrechen" keeps the window and the tick, "Nein" ends the program and writes nothing.
TEST_F(MainWindowEndToEnd, AnOptionTickStaysAndTheCloseBoxAsksAboutIt) {
    Start(kOutlook2003WithChm);
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    ClickTab(tabs, L"Weitere Einstellungen");
    const HWND options = ListWithItems(14);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(TickWithSpaceBar(options, 1));
    ClickTab(tabs, L"Dateien freischalten");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(grid) && !IsWindowVisible(options); }));
    ClickTab(tabs, L"Weitere Einstellungen");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(options); }));
    EXPECT_TRUE(IsItemChecked(options, 1)) << "still ticked";

    const auto closeAndAnswer = [&](int button) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        const HWND box = program->WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(Utf8(WindowText(box)), "Bestätigung");
        EXPECT_EQ(Utf8(MessageBoxText(box)), "Sollen die Änderungen gespeichert werden?");
        EXPECT_EQ(Utf8(WindowText(GetDlgItem(box, IDCANCEL))), "Abbrechen");
        e2e::PressButton(box, button);
    };
    closeAndAnswer(IDCANCEL);
    EXPECT_FALSE(program->WaitForExit(1s));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsItemChecked(options, 1));

    closeAndAnswer(IDNO);
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(StoredDword("Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences", "ShowBcc"),
              std::nullopt);
    EXPECT_EQ(ReadFileBytes(installation->File(L"main.ini")), "[Brevolt]\r\nLastVersion=11.0\r\n");
}

TEST_F(MainWindowEndToEnd, TheKeyboardAloneGoesRoundTicksAndSaves) {
    Start(kOutlook2003WithChm);
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(FocusIsOn(grid)) << "the focus starts in the grid";
    PressKeys(window, {VK_SPACE});
    EXPECT_TRUE(WaitUntil([&] { return IsItemChecked(grid, 0); })) << "the first row, ADE";

    const HWND save = Button(L"Speichern");
    const HWND exit = Button(L"Beenden");
    for (const HWND next : {tabs, save, exit, grid}) {
        PressKeys(window, {VK_TAB});
        EXPECT_TRUE(FocusIsOn(next));
    }
    for (const HWND previous : {exit, save}) {
        PressKeys(window, {VK_SHIFT, VK_TAB});
        EXPECT_TRUE(FocusIsOn(previous));
    }
    PressKeys(window, {VK_SPACE});
    ASSERT_TRUE(ConfirmSaveAndEnd());
    EXPECT_EQ(StoredText(kOutlook2003Security, "Level1Remove"), "ADE;CHM");
}

TEST_F(MainWindowEndToEnd, CtrlSAndEnterOnSpeichernSave) {
    for (const bool withCtrlS : {true, false}) {
        SCOPED_TRACE(withCtrlS ? "Ctrl+S" : "Enter");
        Start(kOutlook2003WithChm);
        ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
        ASSERT_TRUE(FocusIsOn(grid));
        PressKeys(window, {VK_DOWN});
        PressKeys(window, {VK_SPACE});
        ASSERT_TRUE(WaitUntil([&] { return IsItemChecked(grid, 1); }));  // ADP
        if (withCtrlS) {
            PressKeys(window, {VK_CONTROL, 'S'});
        } else {
            PressKeys(window, {VK_SHIFT, VK_TAB});
            PressKeys(window, {VK_SHIFT, VK_TAB});
            ASSERT_TRUE(FocusIsOn(Button(L"Speichern")));
            PressKeys(window, {VK_RETURN});
        }
        ASSERT_TRUE(ConfirmSaveAndEnd());
        EXPECT_EQ(StoredText(kOutlook2003Security, "Level1Remove"), "ADP;CHM");
    }
}

TEST_F(MainWindowEndToEnd, PagesAndTheContextMenuFromTheKeyboard) {
    Start(kOutlook2003WithChm);
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    ASSERT_TRUE(FocusIsOn(grid));
    PressKeys(window, {VK_CONTROL, VK_TAB});
    EXPECT_TRUE(WaitUntil([&] { return SelectedTab(tabs) == L"Weitere Einstellungen"; }));
    EXPECT_TRUE(FocusIsOn(ListWithItems(14))) << "the focus follows into the page";
    PressKeys(window, {VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_TRUE(WaitUntil([&] { return SelectedTab(tabs) == L"Dateien freischalten"; }));
    EXPECT_TRUE(FocusIsOn(grid));

    for (const std::initializer_list<WORD> keys :
         {std::initializer_list<WORD>{VK_SHIFT, VK_F10}, std::initializer_list<WORD>{VK_APPS}}) {
        PressKeys(window, keys);
        ASSERT_NE(program->WaitForWindow(L"#32768", 5s), nullptr) << "the context menu opens";
        PressKeys(window, {VK_ESCAPE});
        EXPECT_TRUE(WaitUntil([&] { return !program->HasWindow(L"#32768"); }));
    }
    PressKeys(window, {VK_APPS});
    ASSERT_NE(program->WaitForWindow(L"#32768", 5s), nullptr);
    PressKeys(window, {VK_DOWN});
    PressKeys(window, {VK_RETURN});  // "Alle"
    EXPECT_TRUE(WaitUntil([&] {
        for (int row = 0; row < 38; ++row) {
            if (!IsItemChecked(grid, row)) {
                return false;
            }
        }
        return true;
    }));
    PressButton(L"Beenden");
    AnswerBox("Bestätigung", "Sollen die Änderungen gespeichert werden?", IDNO);
    EXPECT_TRUE(program->WaitForExit());
}

// Types of the user's own: those stored show as ticked rows below the catalogue; one more is
// added from the keyboard through the grid's menu and its dialog, and the save writes all three
// into the unblocked list and none into the blocked one.
TEST_F(MainWindowEndToEnd, TypesOfTheUsersOwnShowAndOneIsAddedFromTheKeyboard) {
    Start(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Outlook\\Security]\r\n"
        "\"Level1Remove\"=\".ps1;exe\"\r\n");
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(ItemCount(grid), 40);
    for (const wchar_t* own : {L"PS1", L"EXE"}) {
        const int row = Row(own);
        ASSERT_GE(row, 38) << "below the catalogue";
        EXPECT_EQ(ItemText(grid, row, 2), L"Eigener Dateityp");
        EXPECT_TRUE(IsItemChecked(grid, row));
    }
    ASSERT_TRUE(FocusIsOn(grid));
    PressKeys(window, {VK_APPS});
    ASSERT_NE(program->WaitForWindow(L"#32768", 5s), nullptr);
    PressKeys(window, {VK_UP});  // the last item, "Dateityp hinzufügen…"
    PressKeys(window, {VK_RETURN});
    const HWND dialog = program->WaitForWindow(L"#32770", 5s);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), L"Dateityp hinzufügen");
    const HWND edit = FindChild(dialog, L"Edit");
    EXPECT_TRUE(WaitUntil([&] { return FocusedControl(dialog) == edit; })) << "typing goes there";
    PressKeys(dialog, {'P'});
    PressKeys(dialog, {'Y'});
    EXPECT_TRUE(WaitUntil([&] { return ControlText(edit) == L"py"; }));
    PressKeys(dialog, {VK_RETURN});  // "OK", the default button
    EXPECT_TRUE(WaitUntil([&] { return ItemCount(grid) == 41; }));
    EXPECT_TRUE(IsItemChecked(grid, Row(L"PY")));

    ASSERT_TRUE(SaveAndEnd());
    EXPECT_EQ(StoredText(kOutlook2003Security, "Level1Remove"), "PS1;EXE;PY");
    const auto blocked = StoredText(kOutlook2003Security, "Level1Add");
    ASSERT_TRUE(blocked.has_value());
    for (const char* own : {"PS1", "EXE", "PY"}) {
        EXPECT_EQ(blocked->find(own), std::string::npos) << own;
    }
}

// "Exportieren…" through the system's save dialog: the program goes on and changes nothing; the
// file, imported with "reg import" into a registry without the program's keys, makes a fresh
// copy of the program show the same ticks and options.
TEST_F(MainWindowEndToEnd, AnExportImportedElsewhereShowsTheSameTicksAndOptions) {
    // The system's save dialog keeps its recent folders.
    mayChange.push_back("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\");
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring exported = std::wstring(temp) + L"brevolt-export.reg";
    DeleteFileW(exported.c_str());
    Start(std::string(kOutlook2003WithChm) +
          "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences]\r\n"
          "\"MinToTray\"=dword:00000001\r\n");
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(TickWithSpaceBar(grid, Row(L"HLP")));
    ClickTab(tabs, L"Weitere Einstellungen");
    const HWND options = ListWithItems(14);
    ASSERT_NE(options, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsItemChecked(options, 0); }));
    EXPECT_TRUE(TickWithSpaceBar(options, 1));
    const auto ticks = [](HWND list) {
        std::vector<bool> ticked;
        for (int item = 0; item < ItemCount(list); ++item) {
            ticked.push_back(IsItemChecked(list, item));
        }
        return ticked;
    };
    const auto gridTicks = ticks(grid);
    const auto optionTicks = ticks(options);

    ChooseMenuCommand(window, kMenuFileExport);
    const HWND dialog = program->WaitForWindow(L"#32770", 10s);
    ASSERT_NE(dialog, nullptr);
    HWND name = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (const HWND edit : FindChildren(dialog, L"Edit")) {
            if (ControlText(edit) == L"Brevolt Outlook 2003.reg") {
                name = edit;
            }
        }
        return name != nullptr;
    })) << "the name suggested";
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(exported.c_str()));
    PressKeys(dialog, {VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return ReadFileBytes(exported) != "<missing>"; }));
    AnswerBox(
        "Informationen",
        ("Die Einstellungen wurden in die Datei \"" + Utf8(exported) + "\" exportiert.").c_str(),
        IDOK);
    EXPECT_FALSE(program->WaitForExit(500ms)) << "the program goes on";
    PressButton(L"Beenden");
    AnswerBox("Bestätigung", "Sollen die Änderungen gespeichert werden?", IDNO);
    ASSERT_TRUE(program->WaitForExit());

    const std::string bytes = ReadFileBytes(exported);
    DeleteFileW(exported.c_str());
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    std::u16string units;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    Start(text::Utf16ToUtf8(units));  // the program's keys cleared, then the file imported
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(ticks(grid), gridTicks);
    ClickTab(tabs, L"Weitere Einstellungen");
    const HWND imported = ListWithItems(14);
    ASSERT_NE(imported, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return ticks(imported) == optionTicks; }));
    PressButton(L"Beenden");
    EXPECT_TRUE(program->WaitForExit());
}

// A save undone in the next run from the keyboard: Alt+D, R and "Ja" put the user's Office tree
// back exactly as "reg export" showed it before the save.
TEST_F(MainWindowEndToEnd, TheLastSaveIsUndoneFromTheKeyboardInTheNextRun) {
    const std::string office = "HKEY_CURRENT_USER\\Software\\Microsoft\\Office";
    Start(kOutlook2003WithChm, "[Brevolt]\r\nLastVersion=11.0\r\n");
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    const std::string before = ExportReg(office);
    ASSERT_NE(before, "<missing>");
    ASSERT_TRUE(TickWithSpaceBar(grid, Row(L"HLP")));
    ASSERT_TRUE(SaveAndEnd());
    ASSERT_EQ(StoredText(kOutlook2003Security, "Level1Remove"), "CHM;HLP");
    ASSERT_NE(ExportReg(office), before);
    const std::wstring undoFile = installation->File(L"Stand vor der letzten Speicherung.reg");
    EXPECT_EQ(ReadFileBytes(undoFile).substr(0, 2), "\xFF\xFE") << "UTF-16, as regedit reads it";

    program.emplace(installation->Executable());
    window = program->WaitForWindow(L"MainWindow");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    PressKeys(window, {VK_MENU, 'D'});
    ASSERT_NE(program->WaitForWindow(L"#32768", 5s), nullptr) << "the menu \"Datei\" opens";
    PressKeys(window, {'R'});
    const HWND question = program->WaitForMessageBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(Utf8(MessageBoxText(question)).rfind("Soll die Speicherung vom ", 0), 0u);
    e2e::PressButton(question, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
    const HWND done = program->WaitForMessageBox();
    ASSERT_NE(done, nullptr);
    EXPECT_NE(Utf8(MessageBoxText(done)).find("ist rückgängig gemacht"), std::string::npos);
    e2e::PressButton(done, IDOK);
    EXPECT_EQ(ExportReg(office), before) << "the Office tree as before the save";
    EXPECT_EQ(ReadFileBytes(undoFile), "<missing>") << "there is nothing more to undo";
    PressButton(L"Beenden");
    EXPECT_TRUE(program->WaitForExit());
}

TEST_F(MainWindowEndToEnd, SwitchingToOutlookExpressAndBackShowsEachModesPages) {
    mayChange.push_back("HKCU\\Identities\\");
    Start(std::string(kOutlook2003WithChm) +
              "[HKEY_CURRENT_USER\\Identities\\{A}]\r\n"
              "\"Username\"=\"Anna\"\r\n\"User ID\"=\"{A}\"\r\n"
              "\"Identity Ordinal\"=dword:00000001\r\n",
          "[Brevolt]\r\nLastVersion=11.0\r\n");
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    const HWND identities = FindChild(window, L"ComboBox");
    ASSERT_NE(identities, nullptr);
    const auto outlookShows = [&] {
        EXPECT_TRUE(HeaderShows(L"Outlook 2003"));
        EXPECT_TRUE(WaitUntil([&] {
            return TabTexts(tabs) ==
                   std::vector<std::wstring>{L"Dateien freischalten", L"Weitere Einstellungen"};
        }));
        EXPECT_EQ(SelectedTab(tabs), L"Dateien freischalten");
        EXPECT_TRUE(IsWindowVisible(grid));
        EXPECT_FALSE(IsWindowVisible(identities));
    };
    outlookShows();

    ChooseMenuCommand(window, kMenuOutlookExpress);
    EXPECT_TRUE(HeaderShows(L"Outlook Express"));
    EXPECT_TRUE(WaitUntil([&] {
        return TabTexts(tabs) == std::vector<std::wstring>{L"Identitäten", L"Outlook Express"};
    }));
    EXPECT_EQ(SelectedTab(tabs), L"Identitäten");
    EXPECT_TRUE(IsWindowVisible(identities));
    EXPECT_FALSE(IsWindowVisible(grid));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(identities, CB_GETCOUNT, 0, 0) == 1; }))
        << "the identities were listed";
    EXPECT_EQ(SendMessageW(identities, CB_GETCURSEL, 0, 0), 0);

    ChooseMenuCommand(window, kMenuOutlook2003);
    outlookShows();
    PressButton(L"Beenden");
    EXPECT_TRUE(program->WaitForExit());
}

TEST_F(MainWindowEndToEnd, AStartWithAVersionOutsideTheTableShowsNoHeader) {
    Start(kOutlook2003WithChm, "[Brevolt]\r\nLastVersion=7.5\r\n");
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return Header().empty(); }));
    EXPECT_EQ(TabTexts(tabs),
              (std::vector<std::wstring>{L"Dateien freischalten", L"Weitere Einstellungen"}));
    PressButton(L"Beenden");
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(ReadFileBytes(installation->File(L"main.ini")), "[Brevolt]\r\nLastVersion=7.5\r\n");
}

// The menus by their access keys: Alt+W opens "Outlook wechseln", whose E chooses Outlook
// Express; Alt+H opens "Hilfe".
TEST_F(MainWindowEndToEnd, TheMenusOpenAndChooseByTheirAccessKeys) {
    Start(kOutlook2003WithChm);
    ASSERT_TRUE(HeaderShows(L"Outlook 2003"));
    PressKeys(window, {VK_MENU, 'W'});
    ASSERT_NE(program->WaitForWindow(L"#32768", 5s), nullptr) << "\"Outlook wechseln\" opens";
    PressKeys(window, {'E'});
    EXPECT_TRUE(HeaderShows(L"Outlook Express"));
    EXPECT_TRUE(WaitUntil([&] { return !program->HasWindow(L"#32768"); }));
    PressKeys(window, {VK_MENU, 'H'});
    ASSERT_NE(program->WaitForWindow(L"#32768", 5s), nullptr) << "\"Hilfe\" opens";
    PressKeys(window, {VK_ESCAPE});
    PressKeys(window, {VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return !program->HasWindow(L"#32768"); }));
    PressButton(L"Beenden");
    EXPECT_TRUE(program->WaitForExit());
}

TEST_F(MainWindowEndToEnd, EscAndEnterCloseTheAboutDialog) {
    Start(kOutlook2003WithChm);
    for (const WORD key : {VK_ESCAPE, VK_RETURN}) {
        ChooseMenuCommand(window, kMenuHelpAbout);
        const HWND about = program->WaitForWindow(L"AboutDialog");
        ASSERT_NE(about, nullptr);
        PressKeys(about, {key});
        EXPECT_TRUE(WaitUntil([&] { return !program->HasWindow(L"AboutDialog"); }));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));
    }
    EXPECT_TRUE(FocusIsOn(grid)) << "back where it was";
    PressButton(L"Beenden");
    EXPECT_TRUE(program->WaitForExit());
}

TEST_F(MainWindowEndToEnd, TheAboutDialogTwiceAndAMissingManual) {
    Start(kOutlook2003WithChm);
    for (int round = 0; round < 2; ++round) {
        ChooseMenuCommand(window, kMenuHelpAbout);
        const HWND about = program->WaitForWindow(L"AboutDialog");
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(Utf8(WindowText(about)), "Über Brevolt");
        const auto style = GetWindowLongW(about, GWL_STYLE);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0);
        RECT client{};
        GetClientRect(about, &client);
        EXPECT_EQ(client.right, 401);
        EXPECT_EQ(client.bottom, 294);
        EXPECT_NE(FindChild(about, L"BrevoltScrollText"), nullptr);
        EXPECT_FALSE(IsWindowEnabled(window));  // modal to the main window

        Click(FindChild(about, L"Button", L"Schliessen"));
        EXPECT_TRUE(WaitUntil([&] { return !program->HasWindow(L"AboutDialog"); }));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));
    }

    ChooseMenuCommand(window, kMenuHelpManual);  // the copy has no manual beside it
    EXPECT_FALSE(program->WaitForExit(1s));
    PressButton(L"Beenden");
    EXPECT_TRUE(program->WaitForExit());
}

}  // namespace
}  // namespace brevolt::e2e
