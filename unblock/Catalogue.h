#pragma once

#include <array>
#include <string>

#include "unblock/Rating.h"

namespace brevolt::unblock {

// One attachment type the unblocking page offers.
struct CatalogueEntry {
    int number;               // fixed per row; nothing reads it
    std::string description;  // German description, shown in the column "Programm"
    std::string extension;    // upper case, without dot
    std::string remark;       // empty in every row
};

constexpr std::size_t kCatalogueSize = 38;

// The catalogue in its order (alphabetical by extension); its texts come from the string table.
extern const std::array<CatalogueEntry, kCatalogueSize> Catalogue;

// The extensions rated dangerous, separated by ";".
extern const std::string DangerousExts;

// Dangerous when the extension is an entry of DangerousExts, else normal: the rating of the
// catalogue's rows.
Rating RateExtension(const std::string& extension);

}  // namespace brevolt::unblock
