#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/MainWindow.h"
#include "app/Session.h"
#include "bench/ScreenView.h"
#include "registry/MemoryRegistry.h"
#include "support/CountingRegistry.h"
#include "support/FakeApplication.h"
#include "support/RegistrySandbox.h"
#include "support/TempDir.h"

namespace brevolt::bench {

// Where a session keeps its settings: the in-memory registry, or (on Windows) the real one with
// both hives redirected to scratch keys.
enum class Store { Memory, Windows };

// One program in process: a seeded registry (Outlook 2002 and 2003, two mail identities), its
// settings file in a fresh folder and, on Windows, the main window on screen. Message boxes are
// answered at once. Every registry and settings-file call after seeding is counted.
class Session {
  public:
    Session(Store store, const std::string& lastVersion);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // As the program starts: the write probe, the session, the window created and shown.
    void Start();
    // Closes the window and lets the session go, as the program ends.
    void Stop();
    // Lets the window catch up: pending messages handled, invalid parts painted.
    void Settle();

    MainWindow& Form() { return *form_; }
    const brevolt::Session& State() const { return state_; }
    testing::CountingBackends& Calls() { return *counting_; }

  private:
    testing::TempDir dir_;
    testing::FakeApplication app_;
    std::optional<registry::MemoryRegistry> memory_;
    std::optional<testing::RegistrySandbox> sandbox_;
    std::optional<testing::CountingBackends> counting_;
    std::optional<registry::BackendScope> scope_;
    brevolt::Session state_;
    std::optional<MainWindow> form_;
    std::unique_ptr<ScreenView> view_;
};

}  // namespace brevolt::bench
