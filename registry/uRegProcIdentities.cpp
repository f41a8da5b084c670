#include <vector>

#include "app/uGlobalVar.h"
#include "registry/Exceptions.h"
#include "registry/TRegistry.h"
#include "registry/uRegProc.h"

namespace brevolt::uRegProc {
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
std::optional<std::string> KeyOf(IdentityKey key) {
    const std::string& id = uGlobalVar::CurrentIdent;
    if (id.empty() || id.find('\\') != std::string::npos) {
        return std::nullopt;
    }
    return kIdentities + "\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0\\" +
           (key == IdentityKey::Mail ? "Mail" : "Trident\\Main");
}

bool Read(const IdentityOption& option) {
    const auto key = KeyOf(option.key);
    if (!key) {
        return option.missingTicks;
    }
    registry::TRegistry reg;
    if (!reg.OpenPath(*key, true)) {
        return false;
    }
    if (!reg.HasValue(option.value)) {
        return option.missingTicks;
    }
    try {
        const bool zero = reg.ReadDword(option.value) == 0;
        return option.tickedWhenZero == zero;
    } catch (const registry::ERegistryException&) {
        return false;  // nothing is reported: the item shows unticked
    }
}

bool Write(const IdentityOption& option, bool ticked) {
    const auto key = KeyOf(option.key);
    registry::TRegistry reg;
    if (!key || !reg.OpenPath(*key, false)) {
        return false;
    }
    try {
        reg.WriteDword(option.value, ticked != option.tickedWhenZero ? 1 : 0);
        return true;
    } catch (const registry::ERegistryException&) {
        return false;
    }
}

}  // namespace

void LoadIdentities(widgets::DropDownList& dropDown) {
    dropDown.Clear();
    registry::TRegistry reg;
    std::vector<std::string> names;
    reg.OpenPath(kIdentities, false);
    reg.ListSubkeys(names);
    reg.ClosePath();
    uGlobalVar::Idents.clear();
    for (const auto& name : names) {
        if (!reg.OpenPath(kIdentities + "\\" + name, false)) {
            continue;
        }
        const bool first = reg.ReadDword("Identity Ordinal") == 1;
        const std::string userName = reg.ReadText("Username");
        if (first) {
            dropDown.Insert(0, userName);
        } else {
            dropDown.Append(userName);
        }
        uGlobalVar::Idents.push_back({name, reg.ReadText("User ID"), userName});
        reg.ClosePath();
    }
}

bool ReadDisableScriptDebugger() {
    return Read(kDisableScriptDebugger);
}
bool ReadShowAdvMailSend() {
    return Read(kShowAdvMailSend);
}
bool ReadSafeAttachments() {
    return Read(kSafeAttachments);
}
bool ReadWarnOnMapiSend() {
    return Read(kWarnOnMapiSend);
}

bool WriteDisableScriptDebugger(bool ticked) {
    return Write(kDisableScriptDebugger, ticked);
}
bool WriteShowAdvMailSend(bool ticked) {
    return Write(kShowAdvMailSend, ticked);
}
bool WriteSafeAttachments(bool ticked) {
    return Write(kSafeAttachments, ticked);
}
bool WriteWarnOnMapiSend(bool ticked) {
    return Write(kWarnOnMapiSend, ticked);
}

}  // namespace brevolt::uRegProc
