// Each of the program's writing operations, run once per registry call it makes with exactly that
// call failing: no crash, and no value changed but those the operation writes. A save is all or
// nothing: it ends with everything written, or stays with everything as it was (or tells what
// could not be put back), and so are the lists a version switch keeps and the undo of a save.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/MainWindow.h"
#include "app/Session.h"
#include "registry/MemoryRegistry.h"
#include "registry/Registry.h"
#include "support/FakeApplication.h"
#include "support/TempDir.h"

namespace brevolt {
namespace {

using registry::RawValue;

// One fresh program: its registry seeded, its window created and brought to just before the
// operation.
struct World {
    registry::MemoryRegistry memory;
    registry::BackendScope scope{memory};
    testing::TempDir dir;
    testing::FakeApplication app;
    Session session;
    std::optional<MainWindow> frm;
};

struct Scenario {
    const char* name;
    std::function<void(World&)> prepare;
    std::function<void(World&)> operation;
    bool ends;  // the operation ends the program
};

void Seed(World& world, const std::string& saved) {
    registry::Registry reg(world.memory);
    reg.MakePath("Software\\Microsoft\\Office\\10.0\\Outlook");
    ASSERT_TRUE(reg.OpenPath("\\Software\\Microsoft\\Office\\11.0\\Outlook\\Security", true));
    reg.WriteText("Level1Remove", "CHM;EXE");
    ASSERT_TRUE(reg.OpenPath("\\Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences", true));
    reg.WriteDword("MinToTray", 1);
    ASSERT_TRUE(reg.OpenPath("\\Identities\\{A}", true));
    reg.WriteText("Username", "Anna");
    reg.WriteText("User ID", "{A}");
    reg.WriteDword("Identity Ordinal", 1);
    world.app.executablePath = world.dir.File("brevolt.exe");
    testing::WriteFileBytes(world.dir.File("main.ini"),
                            "[Brevolt]\r\nLastVersion=" + saved + "\r\n");
    PrepareSession(world.session, world.app.executablePath);
    world.frm.emplace(world.app, world.session);
    world.frm->Shown();
}

const std::vector<Scenario> kScenarios = {
    {"the save in Outlook mode",
     [](World& world) {
         Seed(world, "11.0");
         world.frm->pages.SelectTabByUser(MainWindow::OptionsTab);
         world.frm->outlookOptions.ToggleByUser(0);
         world.frm->attachmentGrid.ToggleCheckBoxByUser(0, 13);
     },
     [](World& world) { world.frm->saveButton.Click(); }, true},
    {"the save in Outlook Express mode",
     [](World& world) {
         Seed(world, "6.0");
         world.frm->pages.SelectTabByUser(MainWindow::ExpressTab);
         world.frm->expressOptions.ToggleByUser(5);
         world.frm->pages.SelectTabByUser(MainWindow::IdentitiesTab);
         world.frm->identityOptions.ToggleByUser(1);
     },
     [](World& world) { world.frm->saveButton.Click(); }, true},
    {"a version switch keeping pending ticks",
     [](World& world) {
         Seed(world, "11.0");
         world.frm->gridMenu.items[0].Click();  // "Alle"
     },
     [](World& world) { world.frm->mainMenu.Find("version1")->Click(); }, false},
    {"the undo of the last save, in the next run",
     [](World& world) {
         Seed(world, "11.0");
         world.frm->pages.SelectTabByUser(MainWindow::OptionsTab);
         world.frm->outlookOptions.ToggleByUser(1);  // a value in a key the save makes
         world.frm->attachmentGrid.ToggleCheckBoxByUser(0, 13);
         world.frm->saveButton.Click();
         world.frm.reset();
         world.session = Session{};
         PrepareSession(world.session, world.app.executablePath);
         world.frm.emplace(world.app, world.session);
         world.frm->Shown();
     },
     [](World& world) { world.frm->mainMenu.Find("undo")->Click(); }, false},
};

TEST(FaultSweep, EveryFailingCallLeavesASaveWholeOrUndone) {
    for (const auto& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        std::map<std::string, RawValue> before;
        std::map<std::string, RawValue> written;
        int calls = 0;
        {
            World world;
            scenario.prepare(world);
            before = world.memory.Snapshot();
            const int start = world.memory.CallCount();
            scenario.operation(world);
            calls = world.memory.CallCount() - start;
            written = world.memory.Snapshot();
        }
        ASSERT_GT(calls, 10);
        const auto touched = [&](const std::string& value) {
            const auto was = before.find(value);
            const auto is = written.find(value);
            return (was == before.end()) != (is == written.end()) ||
                   (was != before.end() && was->second != is->second);
        };
        for (int failing = 1; failing <= calls; ++failing) {
            SCOPED_TRACE("call " + std::to_string(failing) + " of " + std::to_string(calls));
            World world;
            scenario.prepare(world);
            world.memory.FailCall(world.memory.CallCount() + failing);
            scenario.operation(world);
            auto after = world.memory.Snapshot();
            // The version switch's write test makes a key and removes it at once; when just that
            // removal fails the empty key stays, which nothing reads.
            after.erase("key HKCU:\\SOFTWARE\\MICROSOFT\\OFFICE\\0.0");
            const bool errorShown = std::any_of(
                world.app.dialogs.shown.begin(), world.app.dialogs.shown.end(),
                [](const auto& box) { return box.kind == widgets::MessageKind::Error; });
            const bool toldNotRestored = std::any_of(
                world.app.dialogs.shown.begin(), world.app.dialogs.shown.end(),
                [](const auto& box) {
                    return box.text.find("nicht wiederhergestellt") != std::string::npos;
                });
            EXPECT_TRUE(after == written || after == before || toldNotRestored)
                << "the writes were made whole, or not at all";
            if (scenario.ends) {
                if (world.app.terminations == 1) {
                    EXPECT_EQ(after, written) << "a save that ended wrote everything";
                } else {
                    EXPECT_TRUE(errorShown) << "a save that stopped says so";
                }
            }
            for (const auto& [value, content] : after) {
                const auto was = before.find(value);
                if (was == before.end() || was->second != content) {
                    EXPECT_TRUE(touched(value)) << value << " changed";
                }
            }
            for (const auto& [value, content] : before) {
                if (after.count(value) == 0) {
                    EXPECT_TRUE(touched(value)) << value << " removed";
                }
            }
        }
    }
}

}  // namespace
}  // namespace brevolt
