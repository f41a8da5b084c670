// "Datei" / "Exportieren…": what the save would write, as a registry file; the registry untouched.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/MainWindowFixture.h"

namespace brevolt {
namespace {

using testing::SecurityKey;

// The golden file's bytes. With BREVOLT_WRITE_GOLDEN set, the file is written from `actual`
// first: for a change of the format, to be read over before it is committed.
std::string Golden(const std::string& name, const std::string& actual) {
    const std::string path = std::string(BREVOLT_GOLDEN_DIR) + "/" + name;
    if (std::getenv("BREVOLT_WRITE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class Export : public testing::MainWindowFixture {
  protected:
    // Exports to the path given, and checks that nothing was written to the registry and the
    // program goes on; the bytes written.
    std::string ExportTo(const std::string& path) {
        dialogs().savePath = path;
        recorder.changes.clear();
        ChooseMenu("export");
        for (const auto& change : recorder.changes) {
            EXPECT_EQ(change.rfind("box ", 0), 0u) << "written: " << change;
        }
        EXPECT_EQ(app.terminations, 0);
        return app.replacedFiles.empty() ? std::string() : app.replacedFiles.back().bytes;
    }
};

TEST_F(Export, AnOutlookVersionExportsItsListsAndTheOptionsShown) {
    Store(SecurityKey("11.0"), "Level1Remove", "CHM;ps1");
    Store(SecurityKey("11.0"), "Level1RemoveUser", "C:\\own \"list\"");
    Start("", {"11.0"});
    frm->attachmentGrid.ToggleCheckBoxByUser(0, 12);  // FXP
    frm->pages.SelectTabByUser(MainWindow::OptionsTab);
    frm->outlookOptions.SetChecked(0, true);
    const std::string bytes = ExportTo("C:\\Users\\anna\\Brevolt Outlook 2003.reg");
    ASSERT_EQ(dialogs().saveRequests.size(), 1u);
    EXPECT_EQ(dialogs().saveRequests[0].caption, "Exportieren");
    EXPECT_EQ(dialogs().saveRequests[0].suggestedName, "Brevolt Outlook 2003.reg");
    EXPECT_EQ(dialogs().saveRequests[0].filter, "Registrierungsdateien (*.reg)");
    EXPECT_EQ(app.replacedFiles[0].path, "C:\\Users\\anna\\Brevolt Outlook 2003.reg");
    EXPECT_EQ(bytes, Golden("export-outlook-2003.reg", bytes));
    EXPECT_TRUE(frm->HasPendingExtChanges()) << "exporting is not saving";
}

// Outlook 2016 to 365: the export holds what its save writes, the unblocked list and the options
// it reads, and nothing of the older scheme.
TEST_F(Export, Microsoft365ExportsOnlyWhatItsSaveWrites) {
    Store(SecurityKey("16.0"), "Level1Remove", ".chm");
    Store(SecurityKey("16.0"), "Level1Add", ".zip");
    Start("", {"16.0"});
    frm->pages.SelectTabByUser(MainWindow::OptionsTab);
    frm->outlookOptions.SetChecked(0, true);
    frm->outlookOptions.SetChecked(12, false);
    const std::string bytes = ExportTo("C:\\Brevolt.reg");
    std::string text;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text += bytes[i];  // the file's characters are ASCII here
    }
    EXPECT_EQ(
        text,
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\16.0\\Outlook\\Security]\r\n"
        "\"Level1Remove\"=\".CHM\"\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\16.0\\Outlook\\Preferences]\r\n"
        "\"MinToTray\"=dword:00000001\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\16.0\\Outlook\\Options\\General]\r\n"
        "\"PONT_STRING\"=\"32,\"\r\n\r\n");
}

// Outlook Express: its machine values for "reg import /reg:32" (the 32-bit view on any Windows),
// and no identity's values, since each machine has identities of its own; the box says both.
TEST_F(Export, OutlookExpressExportsItsOptionsForThe32BitViewAndNoIdentity) {
    {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath("Identities\\{A}", true));
        reg.WriteText("Username", "Anna");
        reg.WriteText("User ID", "{A}");
        reg.WriteDword("Identity Ordinal", 1);
    }
    Start("6.0", {"11.0"});
    ASSERT_TRUE(dialogs().shown.empty());
    frm->identityOptions.SetChecked(1, true);
    frm->pages.SelectTabByUser(MainWindow::ExpressTab);
    frm->expressOptions.SetChecked(0, true);
    const std::string bytes = ExportTo("D:\\express.reg");
    EXPECT_EQ(dialogs().saveRequests[0].suggestedName, "Brevolt Outlook Express.reg");
    EXPECT_EQ(bytes, Golden("export-outlook-express.reg", bytes));
    ASSERT_EQ(dialogs().shown.size(), 1u);
    EXPECT_EQ(dialogs().shown[0].kind, widgets::MessageKind::Information);
    EXPECT_EQ(dialogs().shown[0].text,
              "Die Einstellungen wurden in die Datei \"D:\\express.reg\" exportiert.\r\n\r\n"
              "Die Einstellungen der Identitäten sind nicht darin: Jede Identität hat auf jedem "
              "Rechner einen eigenen Schlüssel.\r\n\r\n"
              "Die Werte unter HKEY_LOCAL_MACHINE gelten für alle Benutzer und gehören in die "
              "32-Bit-Ansicht der Registrierung: Importieren Sie die Datei als Administrator mit "
              "\"reg import <Datei> /reg:32\".");
}

TEST_F(Export, AFailedWriteIsToldWithTheFileNameAndWhyAndACancelWritesNothing) {
    Start("", {"11.0"});
    app.replaceSucceeds = false;
    ExportTo("Z:\\nowhere\\x.reg");
    ASSERT_EQ(dialogs().shown.size(), 1u);
    EXPECT_EQ(dialogs().shown[0].caption, "Fehler");
    EXPECT_EQ(dialogs().shown[0].text,
              "Die Datei \"Z:\\nowhere\\x.reg\" konnte nicht geschrieben werden.\r\n\r\n"
              "Zugriff verweigert");

    app.replacedFiles.clear();
    dialogs().savePath.reset();
    ChooseMenu("export");
    EXPECT_TRUE(app.replacedFiles.empty());
}

}  // namespace
}  // namespace brevolt
