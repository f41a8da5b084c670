#include "express/ExpressOptions.h"

#include "registry/Exceptions.h"
#include "registry/Registry.h"

namespace brevolt::express {
namespace {

using registry::Hive;

// One setting: where it lives, when its item shows ticked, and what a tick stores.
struct ExpressOption {
    Hive hive;
    const char* key;
    const char* value;
    bool (*ticks)(std::uint32_t stored);
    bool missingTicks;
    std::uint32_t whenTicked;
    std::uint32_t whenUnticked;
};

const char* const kExpressKey = "Software\\Microsoft\\Outlook Express";

const ExpressOption kBlockExeAttachments{Hive::LocalMachine,
                                         kExpressKey,
                                         "BlockExeAttachments",
                                         [](std::uint32_t v) { return v == 0; },
                                         false,
                                         0,
                                         1};
const ExpressOption kNoModifyAccts{Hive::LocalMachine,
                                   kExpressKey,
                                   "No Modify Accts",
                                   [](std::uint32_t v) { return v == 1; },
                                   false,
                                   1,
                                   0};
const ExpressOption kHttpMailEnabled{Hive::LocalMachine,
                                     kExpressKey,
                                     "HTTP Mail Enabled",
                                     [](std::uint32_t v) { return v != 1; },
                                     false,
                                     0,
                                     1};
const ExpressOption kDisableHotmail{Hive::LocalMachine,
                                    kExpressKey,
                                    "Disable Hotmail",
                                    [](std::uint32_t v) { return v == 1; },
                                    false,
                                    1,
                                    2};
const ExpressOption kHideMessenger{Hive::LocalMachine,
                                   kExpressKey,
                                   "Hide Messenger",
                                   [](std::uint32_t v) { return v == 2; },
                                   false,
                                   2,
                                   1};
const ExpressOption kUseOutlookContacts{Hive::CurrentUser,
                                        "Software\\Microsoft\\WAB\\WAB4",
                                        "UseOutlook",
                                        [](std::uint32_t v) { return v == 1; },
                                        true,
                                        1,
                                        0};

bool Read(const ExpressOption& option) {
    registry::Registry reg;
    reg.SetRoot(option.hive);
    try {
        // Opened for reading only: a key that is not there holds no value.
        if (!reg.OpenPathForReading(option.key) || !reg.HasValue(option.value)) {
            return option.missingTicks;
        }
        return option.ticks(reg.ReadDword(option.value));
    } catch (const registry::RegistryError&) {
        return false;  // nothing is reported: the item shows unticked
    }
}

bool Write(const ExpressOption& option, bool ticked) {
    registry::Registry reg;
    reg.SetRoot(option.hive);
    if (!reg.OpenPath(option.key, true)) {
        return false;
    }
    try {
        reg.WriteDword(option.value, ticked ? option.whenTicked : option.whenUnticked);
        return true;
    } catch (const registry::RegistryError&) {
        return false;
    }
}

}  // namespace

bool ReadBlockExeAttachments() {
    return Read(kBlockExeAttachments);
}
bool ReadNoModifyAccts() {
    return Read(kNoModifyAccts);
}
bool ReadHttpMailEnabled() {
    return Read(kHttpMailEnabled);
}
bool ReadDisableHotmail() {
    return Read(kDisableHotmail);
}
bool ReadHideMessenger() {
    return Read(kHideMessenger);
}
bool ReadUseOutlookContacts() {
    return Read(kUseOutlookContacts);
}

bool WriteBlockExeAttachments(bool ticked) {
    return Write(kBlockExeAttachments, ticked);
}
bool WriteNoModifyAccts(bool ticked) {
    return Write(kNoModifyAccts, ticked);
}
bool WriteHttpMailEnabled(bool ticked) {
    return Write(kHttpMailEnabled, ticked);
}
bool WriteDisableHotmail(bool ticked) {
    return Write(kDisableHotmail, ticked);
}
bool WriteHideMessenger(bool ticked) {
    return Write(kHideMessenger, ticked);
}
bool WriteUseOutlookContacts(bool ticked) {
    return Write(kUseOutlookContacts, ticked);
}

}  // namespace brevolt::express
