#pragma once

#include <string>
#include <vector>

namespace brevolt::express {

// One Outlook Express mail identity as listed.
struct Identity {
    // The subkey of "Identities" the identity was listed from: its options live below it, and
    // nothing of the identity is read or written under any other key.
    std::string key;
    std::string userId;    // "User ID"; Outlook Express keeps it equal to the key
    std::string userName;  // "Username": the text the user chooses it by
};

// What a listing found, as far as it got.
struct IdentityListing {
    std::vector<Identity> identities;  // in the order their keys were enumerated
    std::vector<std::string> shown;    // the user names to choose from: ordinal 1 first
};

}  // namespace brevolt::express
