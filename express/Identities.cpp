#include "express/Identities.h"

#include <optional>
#include <vector>

#include "registry/Exceptions.h"
#include "registry/Registry.h"

namespace brevolt::express {
namespace {

const std::string kIdentities = "Identities";

enum class IdentityKey { Mail, Browser };

struct IdentityOption {
    IdentityKey key;
    const char* value;
    bool tickedWhenZero;  // otherwise ticked when not zero
    bool missingTicks;
};

const IdentityOption kDisableScriptDebugger{IdentityKey::Browser, "Disable Script Debugger", false,
                                            true};
const IdentityOption kShowAdvMailSend{IdentityKey::Mail, "Show Adv Mail Send", false, false};
const IdentityOption kSafeAttachments{IdentityKey::Mail, "Safe Attachments", true, false};
const IdentityOption kWarnOnMapiSend{IdentityKey::Mail, "Warn on Mapi Send", false, true};

// The identity's own key, or none when its id cannot name one.
std::optional<std::string> KeyOf(const std::string& id, IdentityKey key) {
    if (id.empty() || id.find('\\') != std::string::npos) {
        return std::nullopt;
    }
    return kIdentities + "\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0\\" +
           (key == IdentityKey::Mail ? "Mail" : "Trident\\Main");
}

bool Read(const std::string& identityKey, const IdentityOption& option) {
    const auto key = KeyOf(identityKey, option.key);
    if (!key) {
        return option.missingTicks;
    }
    registry::Registry reg;
    // Opened for reading only: a key that is not there holds no value.
    if (!reg.OpenPathForReading(*key) || !reg.HasValue(option.value)) {
        return option.missingTicks;
    }
    try {
        const bool zero = reg.ReadDword(option.value) == 0;
        return option.tickedWhenZero == zero;
    } catch (const registry::RegistryError&) {
        return false;  // nothing is reported: the item shows unticked
    }
}

bool Write(const std::string& identityKey, const IdentityOption& option, bool ticked) {
    const auto key = KeyOf(identityKey, option.key);
    registry::Registry reg;
    // The mail or browser key is created below an identity that exists, never for one that
    // does not.
    if (!key || !reg.PathExists(kIdentities + "\\" + identityKey) || !reg.OpenPath(*key, true)) {
        return false;
    }
    try {
        reg.WriteDword(option.value, ticked != option.tickedWhenZero ? 1 : 0);
        return true;
    } catch (const registry::RegistryError&) {
        return false;
    }
}

}  // namespace

void ListIdentities(IdentityListing& listing) {
    listing = {};
    registry::Registry reg;
    std::vector<std::string> names;
    reg.OpenPath(kIdentities, false);
    reg.ListSubkeys(names);
    reg.ClosePath();
    for (const auto& name : names) {
        if (!reg.OpenPath(kIdentities + "\\" + name, false)) {
            continue;
        }
        const bool first = reg.ReadDword("Identity Ordinal") == 1;
        const std::string userName = reg.ReadText("Username");
        listing.shown.insert(first ? listing.shown.begin() : listing.shown.end(), userName);
        listing.identities.push_back({name, reg.ReadText("User ID"), userName});
        reg.ClosePath();
    }
}

bool ReadDisableScriptDebugger(const std::string& identityKey) {
    return Read(identityKey, kDisableScriptDebugger);
}
bool ReadShowAdvMailSend(const std::string& identityKey) {
    return Read(identityKey, kShowAdvMailSend);
}
bool ReadSafeAttachments(const std::string& identityKey) {
    return Read(identityKey, kSafeAttachments);
}
bool ReadWarnOnMapiSend(const std::string& identityKey) {
    return Read(identityKey, kWarnOnMapiSend);
}

bool WriteDisableScriptDebugger(const std::string& identityKey, bool ticked) {
    return Write(identityKey, kDisableScriptDebugger, ticked);
}
bool WriteShowAdvMailSend(const std::string& identityKey, bool ticked) {
    return Write(identityKey, kShowAdvMailSend, ticked);
}
bool WriteSafeAttachments(const std::string& identityKey, bool ticked) {
    return Write(identityKey, kSafeAttachments, ticked);
}
bool WriteWarnOnMapiSend(const std::string& identityKey, bool ticked) {
    return Write(identityKey, kWarnOnMapiSend, ticked);
}

}  // namespace brevolt::express
