// Start and end of the real program under Wine, watched from outside.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "e2e/Controls.h"
#include "e2e/Driver.h"
#include "e2e/MenuCommands.h"
#include "e2e/Seed.h"

namespace brevolt::e2e {
namespace {

constexpr const wchar_t* kMainWindow = L"MainWindow";

// Each start begins without Outlook's keys (it then ends on Outlook 2000) and may touch Office's
// keys alone.
class StartupEndToEnd : public ::testing::Test {
  protected:
    StartupEndToEnd() {
        ClearProgramKeys();
        footprint.emplace();
    }
    void TearDown() override { EXPECT_EQ(footprint->ChangesOutside(mayChange), ""); }

    std::vector<std::string> mayChange = {"HKCU\\Software\\Microsoft\\Office\\"};
    std::optional<Footprint> footprint;
};

TEST_F(StartupEndToEnd, AnUnwritableFolderIsReportedAndTheProgramEndsWithoutAWindow) {
    mayChange.clear();  // nothing at all
    Installation installation;
    CreateDirectoryW(installation.File(L"test.file").c_str(), nullptr);
    WriteFileBytes(installation.File(L"main.ini"), "[Brevolt]\r\nLastVersion=10.0\r\n");

    Program program(installation.Executable());
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Utf8(WindowText(box)), "Fehler");
    EXPECT_EQ(
        Utf8(MessageBoxText(box)),
        "Fehler beim Schreiben der Einstellungen!\r\n"
        "Bitte überprüfen Sie ob Sie die Berechtigungen \"Schreiben\" und \"Ändern\" auf das\r\n"
        "Verzeichnis \"" +
            Utf8(installation.Folder()) + "\" haben!");
    EXPECT_FALSE(program.HasWindow(kMainWindow));
    PressButton(box, IDOK);

    EXPECT_TRUE(program.WaitForExit());
    EXPECT_EQ(ReadFileBytes(installation.File(L"main.ini")), "[Brevolt]\r\nLastVersion=10.0\r\n");
}

TEST_F(StartupEndToEnd, AStartWritesTheProbeAndClosingStoresTheVersionOnce) {
    Installation installation;
    WriteFileBytes(installation.File(L"test.file"), "old content that is overwritten");
    {
        Program program(installation.Executable());
        const HWND window = program.WaitForWindow(kMainWindow);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(Utf8(WindowText(window)), "Brevolt XP 1.3 - Lite-Version");
        EXPECT_EQ(ReadFileBytes(installation.File(L"test.file")), "Test\r\n");
        EXPECT_EQ(ReadFileBytes(installation.File(L"main.ini")), "<missing>");

        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.WaitForExit());
        EXPECT_EQ(program.ExitCode(), 0u);
    }
    EXPECT_EQ(ReadFileBytes(installation.File(L"main.ini")), "[Brevolt]\r\nLastVersion=9.0\r\n");
}

TEST_F(StartupEndToEnd, ASecondStartBringsTheRunningCopyForwardAndEndsWithoutWriting) {
    Installation installation;
    Program first(installation.Executable());
    const HWND window = first.WaitForWindow(kMainWindow);
    ASSERT_NE(window, nullptr);
    // The first copy's probe goes, so that a second one would show.
    ASSERT_TRUE(DeleteFileW(installation.File(L"test.file").c_str()));
    PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }));

    {
        Program second(installation.Executable());
        EXPECT_TRUE(second.WaitForExit(10s));
        EXPECT_EQ(second.ExitCode(), 0u);
    }
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(window) == FALSE; })) << "restored";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
    EXPECT_EQ(first.CountWindows(kMainWindow), 1);
    EXPECT_EQ(ReadFileBytes(installation.File(L"test.file")), "<missing>");
    EXPECT_EQ(ReadFileBytes(installation.File(L"main.ini")), "<missing>");

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit());
    EXPECT_EQ(first.ExitCode(), 0u);
    EXPECT_EQ(ReadFileBytes(installation.File(L"main.ini")), "[Brevolt]\r\nLastVersion=9.0\r\n");
}

// There is always a way out: closing the window, "Beenden" and "Datei" / "Beenden" tell that
// main.ini cannot be written, and the program ends all the same.
TEST_F(StartupEndToEnd, AnUnwritableSettingsFileIsToldAndTheProgramStillEnds) {
    const std::vector<std::function<void(HWND)>> waysOut = {
        [](HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); },
        [](HWND window) { Click(FindChild(window, L"Button", L"Beenden")); },
        [](HWND window) { ChooseMenuCommand(window, kMenuFileExit); },
    };
    for (const auto& leave : waysOut) {
        Installation installation;
        CreateDirectoryW(installation.File(L"main.ini").c_str(), nullptr);
        Program program(installation.Executable());
        const HWND window = program.WaitForWindow(kMainWindow);
        ASSERT_NE(window, nullptr);
        leave(window);
        const HWND box = program.WaitForMessageBox();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(Utf8(WindowText(box)), "brevolt");
        EXPECT_EQ(Utf8(MessageBoxText(box)),
                  "In " + Utf8(installation.File(L"main.ini")) + " kann nicht geschrieben werden.");
        PressButton(box, IDOK);
        EXPECT_TRUE(program.WaitForExit());
        RemoveDirectoryW(installation.File(L"main.ini").c_str());
    }
}

TEST_F(StartupEndToEnd, TheEndOfTheSessionIsNeverRefused) {
    Installation installation;
    CreateDirectoryW(installation.File(L"main.ini").c_str(), nullptr);
    Program program(installation.Executable());
    const HWND window = program.WaitForWindow(kMainWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
    SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_FALSE(program.HasWindow(L"#32770"));
}

}  // namespace
}  // namespace brevolt::e2e
