#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/MainWindow.h"
#include "app/Session.h"
#include "registry/MemoryRegistry.h"
#include "registry/Registry.h"
#include "support/FakeApplication.h"
#include "support/RecordingRegistry.h"
#include "support/TempDir.h"

namespace brevolt::testing {

// The main window on the in-memory registry with a recorder in front of it, started as the
// program starts it; message boxes are recorded in the same log as the registry's changes.
inline std::string SecurityKey(const std::string& ver) {
    return "Software\\Microsoft\\Office\\" + ver + "\\Outlook\\Security";
}

class MainWindowFixture : public ::testing::Test {
  protected:
    MainWindowFixture() {
        app.executablePath = dir.File("brevolt.exe");
        dialogs().onShow = [this](const ShownMessage& box) {
            recorder.changes.push_back("box " + box.text);
        };
    }

    // Starts as the program does, with this saved version and these installed versions.
    MainWindow& Start(const std::string& saved, std::initializer_list<const char*> installed = {}) {
        for (const char* ver : installed) {
            MakeKey("Software\\Microsoft\\Office\\" + std::string(ver) + "\\Outlook");
        }
        if (!saved.empty()) {
            WriteFileBytes(dir.File("main.ini"), "[Brevolt]\r\nLastVersion=" + saved + "\r\n");
        }
        PrepareSession(session, app.executablePath);
        frm.emplace(app, session);
        frm->Shown();
        return *frm;
    }

    void MakeKey(const std::string& path) {
        registry::Registry reg(memory);
        reg.MakePath(path);
    }
    void Store(const std::string& key, const std::string& name, const std::string& text) {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath(key, true));
        reg.WriteText(name, text);
    }
    std::string Stored(const std::string& key, const std::string& name) {
        registry::Registry reg(memory);
        return reg.OpenPath(key, false) && reg.HasValue(name) ? reg.ReadText(name) : "<none>";
    }
    bool KeyExists(const std::string& path) {
        registry::Registry reg(memory);
        return reg.PathExists(path);
    }

    std::vector<bool> VisibleTabs() const {
        std::vector<bool> visible;
        for (int i = 0; i < frm->pages.Count(); ++i) {
            visible.push_back(frm->pages.PageAt(i).tabVisible);
        }
        return visible;
    }
    void ChooseMenu(const std::string& name) { frm->mainMenu.Find(name)->Click(); }
    std::string Ini() const { return ReadFileBytes(dir.File("main.ini")); }
    ScriptedDialogs& dialogs() { return app.dialogs; }

    registry::MemoryRegistry memory;
    RecordingRegistry recorder{memory};
    registry::BackendScope scope{recorder};
    TempDir dir;
    FakeApplication app;
    Session session;
    std::optional<MainWindow> frm;  // after the session, which it uses
};

}  // namespace brevolt::testing
