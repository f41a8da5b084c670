#pragma once

#include <string>
#include <vector>

#include "versions/OutlookVersions.h"

// What administrators' policies and the user's choice of Outlook say about the Level-1 lists of
// one Outlook version. Read only: the program never writes below a Policies key.
//
// Sources (Microsoft): the Outlook policy templates (outlk16.admx / .adml), whose attachment
// policies are user policies and count only in the Group Policy security mode; KB 926512 for
// the security mode, "AllowUsersToLowerAttachments", "DisallowAttachmentCustomization" and the
// policy's own lists; KB 829982 for the Exchange security forms.
namespace brevolt::unblock {

// "AdminSecurityMode": where Outlook takes its security settings from.
enum class SecurityMode {
    Default,        // 0 or not set: Outlook's own; the security policies are ignored
    ExchangeForms,  // 1 or 2: the security forms of an Exchange public folder
    GroupPolicy,    // 3: the Group Policy settings
};

struct AttachmentPolicy {
    // "DisallowAttachmentCustomization" is switched on: Outlook ignores the user's "Level1Remove".
    bool customisationDisallowed = false;
    SecurityMode mode = SecurityMode::Default;
    // In the Group Policy mode, the user's "Level1Remove" works only when this value is 1.
    bool usersMayLower = false;
    // In the Group Policy mode: the extensions the policy keeps blocked ("FileExtensionsAddLevel1",
    // its "Level1Add") and those it unblocks itself ("FileExtensionsRemoveLevel1", its
    // "Level1Remove"), upper-case, without dots.
    std::vector<std::string> blocked;
    std::vector<std::string> unblocked;
    // The user has switched to the new Outlook, which does not read these values (a hint:
    // "UseNewOutlook" is not documented by Microsoft).
    bool newOutlook = false;

    // The user's own list cannot take effect while the policy stands.
    bool OverrulesUserList() const {
        return customisationDisallowed || (mode == SecurityMode::GroupPolicy && !usersMayLower);
    }
};

// Reads the user's policies (HKEY_CURRENT_USER\Software\Policies, where Outlook's templates put
// them) for the version, and whether the user runs the new Outlook where the version may have
// it. Values of another type than expected count as not set, except for
// "DisallowAttachmentCustomization", which counts when present unless it is a number 0. Nothing
// is created.
AttachmentPolicy ReadAttachmentPolicy(const versions::OutlookVersion& version);

// The German notice for the unblocking page: why the user's list does not take effect, or may
// not, and who can change that, or that the new Outlook does not use it; empty when none applies.
std::string PolicyNotice(const AttachmentPolicy& policy);

}  // namespace brevolt::unblock
