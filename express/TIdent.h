#pragma once

#include <string>

namespace brevolt {

// One Outlook Express mail identity as listed.
struct TIdent {
    std::string UserId;    // "User ID": names the identity's key in the option paths
    std::string UserName;  // "Username": the text shown in the drop-down list
};

}  // namespace brevolt
