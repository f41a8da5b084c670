#pragma once

#include <string>
#include <string_view>
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
// The row of this type (upper case, without dot) in the version's catalogue; none when it has
// none.
const BlockedType* FindBlockedType(versions::BlockedTypes types, std::string_view extension);

}  // namespace brevolt::unblock
