// "Datei" / "Letzte Speicherung rückgängig…": each save keeps what it replaced in a registry file
// beside the program, and the next run can put it all back.
#include <gtest/gtest.h>

#include "registry/ValueCodec.h"
#include "support/MainWindowFixture.h"

namespace brevolt {
namespace {

using registry::Hive;
using testing::SecurityKey;

// The file's characters, where they are ASCII or Latin-1.
std::string TextOf(const std::string& bytes) {
    std::string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text += bytes[i];
    }
    return text;
}

class Undo : public testing::MainWindowFixture {
  protected:
    std::string UndoFile() const { return dir.File("Stand vor der letzten Speicherung.reg"); }

    // Ends the run and starts the program again on the same registry and files.
    void Restart(const std::string& saved) {
        frm.reset();
        session = Session{};
        dialogs().shown.clear();
        Start(saved);
    }

    bool UndoOffered() { return frm->mainMenu.Find("undo")->enabled; }
};

// Outlook 2003: HLP ticked and an option switched on, saved; in the next run the undo asks with
// the save's date and time, and then every value and key is as it was before the save.
TEST_F(Undo, TheNextRunPutsBackEveryValueAndKeyTheSaveChanged) {
    Store(SecurityKey("11.0"), "Level1Remove", "CHM");
    Start("", {"11.0"});
    EXPECT_FALSE(UndoOffered()) << "no save yet";
    const auto before = memory.Snapshot();
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 13);  // HLP
    frm->pages.SelectTabByUser(MainWindow::OptionsTab);
    frm->outlookOptions.ToggleByUser(0);  // a value in a key that does not exist yet
    frm->saveButton.Click();
    ASSERT_EQ(app.terminations, 1);
    ASSERT_EQ(Stored(SecurityKey("11.0"), "Level1Remove"), "CHM;HLP");
    ASSERT_EQ(app.files.count(UndoFile()), 1u);
    const std::string file = TextOf(app.files[UndoFile()]);
    EXPECT_EQ(app.files[UndoFile()].substr(0, 2), "\xFF\xFE") << "UTF-16, as regedit reads it";
    EXPECT_NE(file.find("; Brevolt: Stand vor der Speicherung vom 2026-12-11 09:30:05\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Outlook\\"
                        "Security]\r\n\"Level1Remove\"=\"CHM\"\r\n"),
              std::string::npos);
    EXPECT_NE(file.find("[-HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\11.0\\Outlook\\"
                        "Preferences]\r\n"),
              std::string::npos)
        << file;

    Restart("11.0");
    EXPECT_TRUE(UndoOffered());
    dialogs().answers = {false, true};
    ChooseMenu("undo");
    ASSERT_EQ(dialogs().shown.size(), 1u);
    EXPECT_EQ(dialogs().shown[0].text,
              "Soll die Speicherung vom 11.12.2026 um 09:30 Uhr rückgängig gemacht werden? Alle "
              "Werte, die sie geändert hat, bekommen ihren Stand von davor zurück.");
    EXPECT_EQ(Stored(SecurityKey("11.0"), "Level1Remove"), "CHM;HLP") << "Nein changes nothing";

    ChooseMenu("undo");
    EXPECT_EQ(memory.Snapshot(), before) << "every value and key as before the save";
    EXPECT_EQ(dialogs().shown.back().text,
              "Die Speicherung vom 11.12.2026 um 09:30 Uhr ist rückgängig gemacht: Es gilt wieder "
              "der Stand von davor. Outlook übernimmt ihn beim nächsten Start.");
    EXPECT_FALSE(frm->attachmentGrid.IsChecked(0, 13)) << "the page shows the state restored";
    EXPECT_EQ(app.files.count(UndoFile()), 0u);
    EXPECT_FALSE(UndoOffered());
    EXPECT_EQ(app.terminations, 1) << "the program goes on";
}

// A "Ja" that keeps ticks at a version switch writes too: the undo of the run goes back to the
// state before its first write, also for a value written twice.
TEST_F(Undo, EveryWriteOfARunIsUndoneTogether) {
    Store(SecurityKey("11.0"), "Level1Remove", "CHM");
    Start("", {"10.0", "11.0"});
    frm->SwitchVersion("11.0");
    const auto before = memory.Snapshot();
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 13);  // HLP
    dialogs().answers = {true};
    frm->SwitchVersion("10.0");
    ASSERT_EQ(Stored(SecurityKey("11.0"), "Level1Remove"), "CHM;HLP");
    frm->SwitchVersion("11.0");
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 2);  // APP
    frm->saveButton.Click();
    ASSERT_EQ(Stored(SecurityKey("11.0"), "Level1Remove"), "APP;CHM;HLP");

    Restart("11.0");
    ChooseMenu("undo");
    EXPECT_EQ(memory.Snapshot(), before);
}

// A value or key put there after the save stays; a key the save made goes only when empty.
TEST_F(Undo, WhatOthersWroteSinceStays) {
    Start("", {"11.0"});
    frm->pages.SelectTabByUser(MainWindow::OptionsTab);
    frm->outlookOptions.ToggleByUser(0);
    frm->saveButton.Click();
    Store("Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences", "Since", "someone else");
    Restart("11.0");
    ChooseMenu("undo");
    EXPECT_EQ(Stored("Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences", "Since"),
              "someone else");
    EXPECT_EQ(Stored("Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences", "MinToTray"),
              "<none>");
}

// A file that is not the program's own, or is damaged, is told in German and changes nothing.
TEST_F(Undo, AnUnusableFileIsToldAndChangesNothing) {
    const auto utf16 = [](const std::string& text) {
        std::string bytes = "\xFF\xFE";
        for (const char c : text) {
            bytes += c;
            bytes += '\0';
        }
        return bytes;
    };
    const std::string mark = "; Brevolt: Stand vor der Speicherung vom 2026-12-11 09:30:05\r\n";
    const std::string key = "[HKEY_CURRENT_USER\\Software\\A]\r\n";
    const struct {
        const char* what;
        std::string bytes;
        const char* why;
    } cases[] = {
        {"not UTF-16", "Windows Registry Editor Version 5.00\r\n",
         "Sie ist keine Registrierungsdatei in UTF-16."},
        {"an odd number of bytes", utf16("Windows Registry Editor Version 5.00\r\n") + "x",
         "Sie ist keine Registrierungsdatei in UTF-16."},
        {"another first line", utf16("REGEDIT4\r\n"),
         "Sie ist keine Registrierungsdatei in UTF-16."},
        {"no mark", utf16("Windows Registry Editor Version 5.00\r\n\r\n" + key + "\"X\"=-\r\n"),
         "Ihr fehlt die Angabe, vor welcher Speicherung sie geschrieben wurde."},
        {"a mark with no time",
         utf16("Windows Registry Editor Version 5.00\r\n; Brevolt: Stand "
               "vor der Speicherung vom 2026-13-11 09:30:05\r\n"),
         "Ihr fehlt die Angabe, vor welcher Speicherung sie geschrieben wurde."},
        {"a value before any key",
         utf16("Windows Registry Editor Version 5.00\r\n" + mark + "\"X\"=-\r\n"),
         "Zeile 3 lässt sich nicht lesen."},
        {"another hive",
         utf16("Windows Registry Editor Version 5.00\r\n" + mark + "[HKEY_USERS\\S]\r\n"),
         "Zeile 3 lässt sich nicht lesen."},
        {"an empty key name",
         utf16("Windows Registry Editor Version 5.00\r\n" + mark +
               "[HKEY_CURRENT_USER\\Software\\\\A]\r\n"),
         "Zeile 3 lässt sich nicht lesen."},
        {"a cut text",
         utf16("Windows Registry Editor Version 5.00\r\n" + mark + key +
               "\"X\"=\"unterminated\r\n"),
         "Zeile 4 lässt sich nicht lesen."},
        {"a short number",
         utf16("Windows Registry Editor Version 5.00\r\n" + mark + key + "\"X\"=dword:1\r\n"),
         "Zeile 4 lässt sich nicht lesen."},
        {"a broken byte list",
         utf16("Windows Registry Editor Version 5.00\r\n" + mark + key + "\"X\"=hex(3):00,0\r\n"),
         "Zeile 4 lässt sich nicht lesen."},
    };
    Store("Software\\A", "X", "kept");
    Start("", {"11.0"});
    const auto before = memory.Snapshot();
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        app.files[UndoFile()] = test.bytes;
        dialogs().shown.clear();
        ChooseMenu("undo");
        ASSERT_EQ(dialogs().shown.size(), 1u);
        EXPECT_EQ(dialogs().shown[0].kind, widgets::MessageKind::Error);
        EXPECT_EQ(dialogs().shown[0].text,
                  "Die Datei \"" + UndoFile() +
                      "\" ist keine Sicherung von Brevolt oder ist beschädigt. Es wurde nichts "
                      "geändert.\r\n\r\n" +
                      test.why);
        EXPECT_EQ(memory.Snapshot(), before);
    }
}

// The save is made even when its undo file cannot be written; the user is told.
TEST_F(Undo, AnUndoFileThatCannotBeWrittenIsTold) {
    Start("", {"11.0"});
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 13);
    app.replaceSucceeds = false;
    frm->saveButton.Click();
    EXPECT_EQ(Stored(SecurityKey("11.0"), "Level1Remove"), "HLP");
    ASSERT_EQ(dialogs().shown.size(), 2u);
    EXPECT_EQ(dialogs().shown[1].text,
              "Die Einstellungen sind gespeichert, aber die Speicherung lässt sich nicht "
              "rückgängig machen: Die Datei \"" +
                  UndoFile() + "\" konnte nicht geschrieben werden.\r\n\r\nZugriff verweigert");
    EXPECT_EQ(app.terminations, 1);
}

}  // namespace
}  // namespace brevolt
