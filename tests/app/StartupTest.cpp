#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "support/CountingRegistry.h"
#include "support/FakeApplication.h"
#include "support/RegistrySandbox.h"
#include "support/TempDir.h"

namespace brevolt {
namespace {

using registry::Hive;
using widgets::MessageKind;

class Startup : public ::testing::Test {
  protected:
    Startup() { app.executablePath = dir.File("brevolt.exe"); }

    std::string Ini() const { return testing::ReadFileBytes(dir.File("main.ini")); }

    testing::RegistrySandbox sandbox;
    testing::TempDir dir;
    testing::FakeApplication app;
    Session session;
};

TEST_F(Startup, TheProbeWritesTestIntoTheProgramsDirectory) {
    EXPECT_TRUE(CheckWriteAccess(app, session));
    ASSERT_EQ(app.savedFiles.size(), 1u);
    EXPECT_EQ(app.savedFiles[0].path, dir.File("test.file"));
    EXPECT_EQ(app.savedFiles[0].lines, std::vector<std::string>{"Test"});
    EXPECT_EQ(session.appDir, dir.Path());
    EXPECT_TRUE(app.dialogs.shown.empty());
}

TEST_F(Startup, AFailedProbeAsksForWriteRightsAndEndsBeforeAnyWindow) {
    app.saveSucceeds = false;
    testing::WriteFileBytes(dir.File("main.ini"), "[Brevolt]\r\nLastVersion=10.0\r\n");

    EXPECT_EQ(RunProgram(app, session), 1);

    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(app.dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(app.dialogs.shown[0].caption, "Fehler");
    EXPECT_EQ(
        app.dialogs.shown[0].text,
        "Fehler beim Schreiben der Einstellungen!\r\n"
        "Bitte überprüfen Sie ob Sie die Berechtigungen \"Schreiben\" und \"Ändern\" auf das\r\n"
        "Verzeichnis \"" +
            dir.Path() + "\" haben!");
    EXPECT_EQ(app.runs, 0);
    EXPECT_EQ(session.savedVersion, "");  // "main.ini" was not read
    EXPECT_EQ(Ini(), "[Brevolt]\r\nLastVersion=10.0\r\n");
}

TEST_F(Startup, StartReadsTheSavedVersionAndTheInstalledVersions) {
    testing::WriteFileBytes(dir.File("main.ini"), "[Brevolt]\r\nLastVersion=6.0\r\n");
    sandbox.MakeKey(Hive::CurrentUser, "Software\\Microsoft\\Office\\9.0\\Outlook");
    sandbox.MakeKey(Hive::CurrentUser, "Software\\Microsoft\\Office\\11.0\\Outlook");
    std::string title;
    app.whileRunning = [&](MainWindow& frm) {
        title = frm.Caption();
        EXPECT_EQ(session.savedVersion, "6.0");
        EXPECT_EQ(session.installed,
                  (std::vector<bool>{true, false, true, false, false, false, false}));
        EXPECT_NE(session.settingsFile, nullptr);
    };

    EXPECT_EQ(RunProgram(app, session), 0);

    EXPECT_EQ(app.runs, 1);
    EXPECT_EQ(title, "Brevolt XP 1.3 - Lite-Version");
    EXPECT_EQ(session.settingsFile, nullptr);  // released at the end
}

TEST_F(Startup, EveryWayOutStoresTheCurrentVersionOnce) {
    const std::vector<std::function<void(MainWindow&)>> waysOut = {
        [](MainWindow& frm) { frm.exitButton.Click(); },
        [](MainWindow& frm) { frm.mainMenu.Find("exit")->Click(); },
        [](MainWindow& frm) {
            bool canClose = false;
            frm.CloseRequested(canClose);
            EXPECT_TRUE(canClose);
        },
    };
    for (const auto& leave : waysOut) {
        dir.RemoveFile("main.ini");
        app.terminations = 0;
        app.whileRunning = [&](MainWindow& frm) {
            session.currentVersion = "10.0";
            leave(frm);
        };
        testing::CountingBackends counting(registry::CurrentRegistryBackend(),
                                           registry::CurrentIniBackend());
        const registry::BackendScope scope(counting, counting);
        RunProgram(app, session);
        EXPECT_EQ(Ini(), "[Brevolt]\r\nLastVersion=10.0\r\n");
        EXPECT_EQ(counting.counts.fileWrites, 1);
        EXPECT_EQ(app.terminations, 1);
    }
}

TEST_F(Startup, WithoutOutlookTheStartEndsOnOutlook2000AndStoresIt) {
    testing::WriteFileBytes(dir.File("main.ini"), "[Brevolt]\r\nLastVersion=6.0\r\n");
    app.whileRunning = [](MainWindow& frm) { frm.Exit(); };
    RunProgram(app, session);
    EXPECT_EQ(Ini(), "[Brevolt]\r\nLastVersion=9.0\r\n");
}

// There is always a way out: a settings file that cannot be written is told, and the program
// ends all the same.
TEST_F(Startup, AnUnwritableSettingsFileIsToldAndTheProgramStillEnds) {
    dir.BlockFile("main.ini");
    bool canClose = false;
    app.whileRunning = [&](MainWindow& frm) { frm.CloseRequested(canClose); };
    RunProgram(app, session);

    EXPECT_TRUE(canClose);
    EXPECT_EQ(app.terminations, 1);
    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(app.dialogs.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(app.dialogs.shown[0].caption, "brevolt");
    EXPECT_EQ(app.dialogs.shown[0].text,
              "In " + dir.File("main.ini") + " kann nicht geschrieben werden.");
}

TEST_F(Startup, TheEndOfTheWindowsSessionStoresTheVersionButNeverAsks) {
    app.whileRunning = [this](MainWindow& frm) {
        session.currentVersion = "9.0";
        frm.WindowsSessionEnding();
    };
    RunProgram(app, session);
    EXPECT_EQ(Ini(), "[Brevolt]\r\nLastVersion=9.0\r\n");

    dir.BlockFile("main.ini");
    RunProgram(app, session);
    EXPECT_TRUE(app.dialogs.shown.empty());
}

}  // namespace
}  // namespace brevolt
