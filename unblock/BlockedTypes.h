#pragma once

#include <string>
#include <vector>

#include "unblock/Rating.h"
#include "versions/OutlookVersions.h"

// The attachment types each Outlook version blocks, as the unblocking page offers them.
namespace brevolt::unblock {

struct BlockedType {
    std::string extension;    // upper case, without dot
    std::string description;  // German
    Rating rating;
};

// The rows of one version's catalogue, in their order: Outlook 2000 to 2003 the program's
// catalogue of 38 types with its own ratings; Outlook 2007 and later the types Microsoft
// documents for them, alphabetical, rated by the program's table.
const std::vector<BlockedType>& BlockedTypesOf(versions::BlockedTypes types);

}  // namespace brevolt::unblock
