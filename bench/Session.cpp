#include "bench/Session.h"

#include "app/Startup.h"
#include "registry/Registry.h"

namespace brevolt::bench {
namespace {

void Seed(registry::RegistryBackend& backend) {
    registry::Registry reg(backend);
    reg.MakePath("Software\\Microsoft\\Office\\10.0\\Outlook\\Security");
    reg.OpenPath("\\Software\\Microsoft\\Office\\11.0\\Outlook\\Security", true);
    reg.WriteText("Level1Remove", "CHM;EXE;HTA");
    reg.OpenPath("\\Software\\Microsoft\\Office\\11.0\\Outlook\\Preferences", true);
    reg.WriteDword("MinToTray", 1);
    reg.OpenPath("\\Software\\Microsoft\\Outlook Express", true);
    reg.WriteDword("No Modify Accts", 1);
    const char* const people[][2] = {{"{A}", "Anna"}, {"{B}", "Bert"}};
    std::uint32_t ordinal = 0;
    for (const auto& [id, name] : people) {
        reg.OpenPath("\\Identities\\" + std::string(id), true);
        reg.WriteText("Username", name);
        reg.WriteText("User ID", id);
        reg.WriteDword("Identity Ordinal", ++ordinal);
    }
}

}  // namespace

Session::Session(Store store, const std::string& lastVersion) {
    registry::RegistryBackend* backend = nullptr;
    if (store == Store::Memory) {
        backend = &memory_.emplace();
    } else {
        backend = &sandbox_.emplace().Backend();
    }
    Seed(*backend);
    app_.executablePath = dir_.File("brevolt.exe");
    testing::WriteFileBytes(dir_.File("main.ini"),
                            "[Brevolt]\r\nLastVersion=" + lastVersion + "\r\n");
    counting_.emplace(*backend, registry::CurrentIniBackend());
    scope_.emplace(*counting_, *counting_);
}

Session::~Session() {
    Stop();
}

void Session::Start() {
    CheckWriteAccess(app_, state_);
    PrepareSession(state_, app_.ExecutablePath());
    form_.emplace(app_, state_);
    view_ = ShowOnScreen(*form_);
    form_->Shown();
}

void Session::Stop() {
    view_.reset();
    form_.reset();
    state_ = brevolt::Session{};
}

void Session::Settle() {
    if (view_) {
        view_->Settle();
    }
}

}  // namespace brevolt::bench
