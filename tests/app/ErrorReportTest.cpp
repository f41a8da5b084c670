#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "app/ErrorReport.h"
#include "support/FakeApplication.h"

namespace brevolt {
namespace {

TEST(ErrorReport, AFullStopIsAppendedAfterCharactersAboveIt) {
    struct Case {
        const char* message;
        const char* shown;
    };
    for (const auto& c : std::initializer_list<Case>{
             {"In C:\\main.ini kann nicht geschrieben werden",
              "In C:\\main.ini kann nicht geschrieben werden."},
             {"Ungültiger Datentyp für 'Level1Remove'", "Ungültiger Datentyp für 'Level1Remove'"},
             {"Schon zu Ende.", "Schon zu Ende."},
             {"Endet mit Blank ", "Endet mit Blank "},
             {"Endet mit Komma,", "Endet mit Komma,"},
             {"Endet mit Schrägstrich/", "Endet mit Schrägstrich/."},
             {"Endet mit ü", "Endet mit ü."},
             {"", ""},
         }) {
        EXPECT_EQ(ErrorReportText(c.message), c.shown) << c.message;
    }
}

TEST(ErrorReport, AHandlerErrorIsShownCaptionedWithTheTitleAndTheProgramGoesOn) {
    testing::FakeApplication app;
    int stepsRun = 0;
    const bool finished = RunHandler(app, [&] {
        ++stepsRun;
        throw std::runtime_error("Kaputt");
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(stepsRun, 1);
    ASSERT_EQ(app.dialogs.shown.size(), 1u);
    EXPECT_EQ(app.dialogs.shown[0].kind, widgets::MessageKind::Error);
    EXPECT_EQ(app.dialogs.shown[0].caption, "brevolt");
    EXPECT_EQ(app.dialogs.shown[0].text, "Kaputt.");
    EXPECT_TRUE(RunHandler(app, [] {}));
}

TEST(ErrorReport, AnErrorThatIsNoStdExceptionIsShownAsUnknownAndTheProgramGoesOn) {
    struct NotAStdException {};
    const std::function<void()> throwers[] = {
        [] { throw 42; },
        [] { throw std::string("kein std::exception"); },
        [] { throw NotAStdException{}; },
    };
    testing::FakeApplication app;
    for (const auto& thrower : throwers) {
        EXPECT_FALSE(RunHandler(app, thrower));
    }
    ASSERT_EQ(app.dialogs.shown.size(), 3u);
    for (const auto& shown : app.dialogs.shown) {
        EXPECT_EQ(shown.kind, widgets::MessageKind::Error);
        EXPECT_EQ(shown.caption, "brevolt");
        EXPECT_EQ(shown.text, "Unbekannter Fehler.");
    }
    EXPECT_TRUE(RunHandler(app, [] {}));
    EXPECT_EQ(app.dialogs.shown.size(), 3u);
}

}  // namespace
}  // namespace brevolt
