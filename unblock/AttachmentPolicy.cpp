#include "unblock/AttachmentPolicy.h"

#include <optional>

#include "base/UpperCase.h"
#include "registry/Exceptions.h"
#include "registry/Registry.h"
#include "resources/Texts.h"
#include "unblock/ExtensionList.h"

namespace brevolt::unblock {
namespace {

using resources::LoadText;
using resources::TextId;

// KB 926512 speaks of the value being present; a number 0 is the policy switched off.
bool IsSwitchedOn(const registry::Registry& reg, const char* name) {
    return reg.HasValue(name) && reg.TryReadDword(name) != 0u;
}

void AddEntries(const registry::Registry& reg, const char* name,
                std::vector<std::string>& entries) {
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

SecurityMode ModeOf(std::optional<std::uint32_t> value) {
    if (value == 3u) {
        return SecurityMode::GroupPolicy;
    }
    return value == 1u || value == 2u ? SecurityMode::ExchangeForms : SecurityMode::Default;
}

}  // namespace

AttachmentPolicy ReadAttachmentPolicy(const versions::OutlookVersion& version) {
    AttachmentPolicy policy;
    registry::Registry reg;
    if (reg.OpenPathForReading(versions::OfficePolicyKeyPath(version.key, "\\Outlook\\Security"))) {
        policy.customisationDisallowed = IsSwitchedOn(reg, "DisallowAttachmentCustomization");
        policy.mode = ModeOf(reg.TryReadDword("AdminSecurityMode"));
        policy.usersMayLower = reg.TryReadDword("AllowUsersToLowerAttachments") == 1u;
        // The policy's own lists count only where Outlook follows the Group Policy settings.
        if (policy.mode == SecurityMode::GroupPolicy) {
            AddEntries(reg, "FileExtensionsAddLevel1", policy.blocked);
            AddEntries(reg, "Level1Add", policy.blocked);
            AddEntries(reg, "FileExtensionsRemoveLevel1", policy.unblocked);
            AddEntries(reg, "Level1Remove", policy.unblocked);
        }
    }
    // Documented below Security for Outlook 2007, and one key higher by the later templates.
    reg.ClosePath();
    if (reg.OpenPathForReading(versions::OfficePolicyKeyPath(version.key, "\\Outlook"))) {
        policy.customisationDisallowed |= IsSwitchedOn(reg, "DisallowAttachmentCustomization");
    }
    reg.ClosePath();
    if (version.newOutlookHint &&
        reg.OpenPathForReading(versions::OfficeKeyPath(version.key, "\\Outlook\\Preferences"))) {
        policy.newOutlook = reg.TryReadDword("UseNewOutlook") == 1u;
    }
    return policy;
}

std::string PolicyNotice(const AttachmentPolicy& policy) {
    std::string notice;
    if (policy.customisationDisallowed) {
        notice = LoadText(TextId::PolicyCustomisationDisallowed);
    } else if (policy.OverrulesUserList()) {
        notice = LoadText(TextId::PolicyGroupPolicyMode);
    } else if (policy.mode == SecurityMode::ExchangeForms) {
        notice = LoadText(TextId::PolicyExchangeForms);
    }
    if (policy.newOutlook) {
        notice += (notice.empty() ? "" : "\r\n") + LoadText(TextId::PolicyNewOutlook);
    }
    return notice;
}

}  // namespace brevolt::unblock
