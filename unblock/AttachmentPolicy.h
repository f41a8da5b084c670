#pragma once

#include <string>
#include <vector>

// What administrators' policies and the user's choice of Outlook say about the Level-1 lists of
// one Outlook version. Read only: the program never writes below a Policies key.
//
// Sources (Microsoft): KB 926512 and the Office 2007 policy reference for the security mode,
// "AllowUsersToLowerAttachments", "DisallowAttachmentCustomization" and the policy's own lists;
// for the new Outlook, Exchange's mailbox policies, which hold its blocked types.
namespace brevolt::unblock {

struct AttachmentPolicy {
    // "DisallowAttachmentCustomization" is present: Outlook ignores the user's "Level1Remove".
    bool customisationDisallowed = false;
    // "AdminSecurityMode" is 3: Outlook takes its security settings from Group Policy...
    bool groupPolicyMode = false;
    // ...and then lets the user's "Level1Remove" work only when this value is 1.
    bool usersMayLower = false;
    // Extensions the policy keeps blocked ("FileExtensionsAddLevel1", its "Level1Add") and those
    // it unblocks itself ("FileExtensionsRemoveLevel1", its "Level1Remove"), upper-case, without
    // dots.
    std::vector<std::string> blocked;
    std::vector<std::string> unblocked;
    // Outlook 2016 to 365 only: the user has switched to the new Outlook, which does not read
    // these values (a hint: "UseNewOutlook" is not documented by Microsoft).
    bool newOutlook = false;

    // The user's own list cannot take effect while the policy stands.
    bool OverrulesUserList() const {
        return customisationDisallowed || (groupPolicyMode && !usersMayLower);
    }
};

// Reads the policies of HKEY_LOCAL_MACHINE and of HKEY_CURRENT_USER for version `ver` (a value
// set by the machine wins over the user's) and whether the user runs the new Outlook. Values of
// another type than expected count as not set. Nothing is created.
AttachmentPolicy ReadAttachmentPolicy(const std::string& ver);

// The German notice for the unblocking page: why the user's list does not take effect and who
// can change that, or that the new Outlook does not use it; empty when neither applies.
std::string PolicyNotice(const AttachmentPolicy& policy);

}  // namespace brevolt::unblock
