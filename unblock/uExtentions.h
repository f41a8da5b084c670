#pragma once

#include <array>
#include <string>

namespace brevolt::uExtentions {

// One attachment type the unblocking page offers.
struct TExtensionEntry {
    int Number;               // fixed per row; nothing reads it
    std::string Description;  // German description, shown in the column "Programm"
    std::string Extension;    // upper case, without dot
    std::string Remark;       // empty in every row
};

constexpr std::size_t kCatalogueSize = 38;

// The catalogue in its order (alphabetical by extension); its texts come from the string table.
extern const std::array<TExtensionEntry, kCatalogueSize> ExtCatalogue;

// The extensions rated dangerous, separated by ";".
extern const std::string DangerousExts;

enum class TRatingColour { clRed, clBlue };

struct TRating {
    std::string Word;  // "Gefährlich" or "Normal"
    TRatingColour Colour;
};

// "Gefährlich" in red when the extension occurs inside DangerousExts, else "Normal" in blue.
TRating RateExtension(const std::string& extension);

}  // namespace brevolt::uExtentions
