#pragma once

#include <array>
#include <string>

namespace brevolt::unblock {

// One attachment type the unblocking page offers.
struct CatalogueEntry {
    int Number;               // fixed per row; nothing reads it
    std::string Description;  // German description, shown in the column "Programm"
    std::string Extension;    // upper case, without dot
    std::string Remark;       // empty in every row
};

constexpr std::size_t kCatalogueSize = 38;

// The catalogue in its order (alphabetical by extension); its texts come from the string table.
extern const std::array<CatalogueEntry, kCatalogueSize> Catalogue;

// The extensions rated dangerous, separated by ";".
extern const std::string DangerousExts;

enum class RatingColour { Red, Blue };

struct Rating {
    std::string Word;  // "Gefährlich" or "Normal"
    RatingColour Colour;
};

// "Gefährlich" in red when the extension occurs inside DangerousExts, else "Normal" in blue.
Rating RateExtension(const std::string& extension);

}  // namespace brevolt::unblock
