#include "unblock/AttachmentPolicy.h"

#include <optional>

#include "base/UpperCase.h"
#include "registry/Exceptions.h"
#include "registry/Registry.h"
#include "resources/Texts.h"
#include "unblock/ExtensionList.h"

namespace brevolt::unblock {
namespace {

using registry::Hive;
using resources::LoadText;
using resources::TextId;

// The machine's policies first: where both set a value, the machine's wins. HKLM\Software\Policies
// is one key for both registry views.
constexpr Hive kPolicyHives[] = {Hive::LocalMachine64, Hive::CurrentUser};

// From the hive's root, whatever key is open.
std::string PolicyKey(const std::string& ver, const char* below) {
    return "\\Software\\Policies\\Microsoft\\Office\\" + ver + below;
}

std::optional<std::uint32_t> ReadNumber(registry::Registry& reg, const char* name) {
    try {
        if (reg.HasValue(name)) {
            return reg.ReadDword(name);
        }
    } catch (const registry::RegistryError&) {
        // Not a number: not set, as far as the program can tell.
    }
    return std::nullopt;
}

void AddEntries(registry::Registry& reg, const char* name, std::vector<std::string>& entries) {
    try {
        if (reg.HasValue(name)) {
            for (auto& entry : ListEntries(text::UpperCase(reg.ReadText(name)))) {
                entries.push_back(std::move(entry));
            }
        }
    } catch (const registry::RegistryError&) {
        // Not a text: it names no extension.
    }
}

}  // namespace

AttachmentPolicy ReadAttachmentPolicy(const std::string& ver) {
    AttachmentPolicy policy;
    if (ver.empty()) {
        return policy;
    }
    std::optional<std::uint32_t> mode;
    std::optional<std::uint32_t> lower;
    registry::Registry reg;
    for (const Hive hive : kPolicyHives) {
        reg.SetRoot(hive);
        if (reg.OpenPathForReading(PolicyKey(ver, "\\Outlook\\Security"))) {
            policy.customisationDisallowed |= reg.HasValue("DisallowAttachmentCustomization");
            mode = mode ? mode : ReadNumber(reg, "AdminSecurityMode");
            lower = lower ? lower : ReadNumber(reg, "AllowUsersToLowerAttachments");
            AddEntries(reg, "FileExtensionsAddLevel1", policy.blocked);
            AddEntries(reg, "Level1Add", policy.blocked);
            AddEntries(reg, "FileExtensionsRemoveLevel1", policy.unblocked);
            AddEntries(reg, "Level1Remove", policy.unblocked);
        }
        // Documented below Security for Outlook 2007, and read one key higher by 2010 to 2016.
        if (reg.OpenPathForReading(PolicyKey(ver, "\\Outlook"))) {
            policy.customisationDisallowed |= reg.HasValue("DisallowAttachmentCustomization");
        }
    }
    policy.groupPolicyMode = mode == 3u;
    policy.usersMayLower = lower == 1u;
    if (ver == "16.0") {
        reg.SetRoot(Hive::CurrentUser);
        if (reg.OpenPathForReading("\\Software\\Microsoft\\Office\\16.0\\Outlook\\Preferences")) {
            policy.newOutlook = ReadNumber(reg, "UseNewOutlook") == 1u;
        }
    }
    return policy;
}

std::string PolicyNotice(const AttachmentPolicy& policy) {
    std::string notice;
    if (policy.customisationDisallowed) {
        notice = LoadText(TextId::PolicyCustomisationDisallowed);
    } else if (policy.OverrulesUserList()) {
        notice = LoadText(TextId::PolicyGroupPolicyMode);
    }
    if (policy.newOutlook) {
        notice += (notice.empty() ? "" : "\r\n") + LoadText(TextId::PolicyNewOutlook);
    }
    return notice;
}

}  // namespace brevolt::unblock
