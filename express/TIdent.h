#pragma once

#include <string>

namespace brevolt {

// One Outlook Express mail identity as listed.
struct TIdent {
    // The subkey of "Identities" the identity was listed from: its options live below it, and
    // nothing of the identity is read or written under any other key.
    std::string Key;
    std::string UserId;    // "User ID"; Outlook Express keeps it equal to Key
    std::string UserName;  // "Username": the text shown in the drop-down list
};

}  // namespace brevolt
