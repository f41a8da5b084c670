// The about dialog, its scrolling text, and the help menu.
#include <gtest/gtest.h>

#include "app/AboutDialog.h"
#include "support/MainWindowFixture.h"
#include "widgets/ScrollText.h"

namespace brevolt {
namespace {

using widgets::ScrollText;

// A panel of 400 x 100 whose rows are 10 pixels high and 40 characters wide.
ScrollText Panel(std::vector<std::string> lines) {
    ScrollText text;
    text.SetMeasure([](const std::string& line, int width) {
        const int chars = static_cast<int>(line.size());
        return std::max(1, (chars * 10 + width - 1) / width) * 10;
    });
    text.SetPanelSize(400, 100);
    text.SetLines(std::move(lines));
    return text;
}

TEST(ScrollingText, TheBlockIsNeverLowerThanThePanel) {
    EXPECT_EQ(Panel({"a", "", "b"}).BlockHeight(), 100);
    EXPECT_EQ(Panel(std::vector<std::string>(12, "line")).BlockHeight(), 120);
    EXPECT_EQ(Panel({std::string(100, 'x')}).BlockHeight(), 100);  // 3 rows, still the panel
    EXPECT_EQ(Panel(std::vector<std::string>(9, std::string(50, 'x'))).BlockHeight(), 180);
}

TEST(ScrollingText, TheTextEntersFromBelowAndWrapsAtTheTop) {
    ScrollText text = Panel(std::vector<std::string>(12, "line"));  // 120 high
    text.Start();
    EXPECT_EQ(text.Top(), -120);  // wholly above the panel
    text.Step();
    EXPECT_EQ(text.Top(), 100);  // its top at the panel's bottom edge
    text.Step();
    EXPECT_EQ(text.Top(), 99);
    for (int i = 0; i < 218; ++i) {
        text.Step();
    }
    EXPECT_EQ(text.Top(), -119);  // one row of pixels still showing
    text.Step();
    EXPECT_EQ(text.Top(), 100);
}

TEST(ScrollingText, HeldTextFollowsTheMouseAndScrollsOnWhenReleased) {
    ScrollText text = Panel({"a", "b"});  // 100 high
    text.Start();
    text.Step();
    text.Step();  // top 99
    text.MouseDown(50);
    text.Step();
    EXPECT_EQ(text.Top(), 99);  // paused
    text.MouseMove(20);
    EXPECT_EQ(text.Top(), 69);
    text.MouseMove(-100);
    EXPECT_EQ(text.Top(), -51);
    text.MouseMove(-151);  // dragged out at the top by 2: in again from below
    EXPECT_EQ(text.Top(), 98);
    text.MouseMove(150);  // dragged out at the bottom: in again from the top
    EXPECT_EQ(text.Top(), -1);
    text.MouseUp();
    text.Step();
    EXPECT_EQ(text.Top(), -2);
}

TEST(ScrollingText, NothingMovesWhileStopped) {
    ScrollText text = Panel({"a"});
    text.Start();
    text.Stop();
    text.Step();
    EXPECT_EQ(text.Top(), -100);
}

class AboutAndHelp : public testing::MainWindowFixture {};

TEST_F(AboutAndHelp, AboutShowsANewDialogThatStartsFromBelowEachTime) {
    Start("", {"11.0"});
    std::vector<int> startTops;
    app.whileDialogShown = [&](AboutDialog& about) {
        about.Shown();
        EXPECT_EQ(about.Caption(), "Über Brevolt");
        EXPECT_EQ(about.scrollText.Lines(),
                  (std::vector<std::string>{"Brevolt", "", "© 2026 Die Brevolt-Entwickler", "",
                                            "Alle in diesem Programm genannten Markennamen",
                                            "sind Eigentum der jeweiligen Firmen und "
                                            "urheberrechtlich geschützt!"}));
        EXPECT_EQ(about.closeButton.Caption(), "Schliessen");
        EXPECT_EQ(about.closeButton.Hint(), "Beenden");
        startTops.push_back(about.scrollText.Top());
        for (int i = 0; i < 30; ++i) {
            about.scrollText.Step();
        }
        bool closed = false;
        about.OnClose = [&] { closed = true; };
        about.closeButton.Click();
        EXPECT_TRUE(closed);
    };
    frm->mainMenu.Find("about")->Click();
    frm->mainMenu.Find("about")->Click();
    EXPECT_EQ(app.dialogsShown, 2);
    ASSERT_EQ(startTops.size(), 2u);
    EXPECT_EQ(startTops[0], startTops[1]);
    EXPECT_LT(startTops[0], 0);
}

TEST_F(AboutAndHelp, TheManualAndTheHomepageOpenThroughTheShell) {
    Start("", {"11.0"});
    frm->mainMenu.Find("manual")->Click();
    frm->mainMenu.Find("homepage")->Click();
    EXPECT_EQ(app.shellOpened,
              (std::vector<std::string>{dir.File("BREVOLT.HTM"), "https://brevolt.example/"}));
    EXPECT_TRUE(app.dialogs.shown.empty());
}

}  // namespace
}  // namespace brevolt
