#include "unblock/uExtentions.h"

#include "resources/Texts.h"

namespace brevolt::uExtentions {
namespace {

using resources::LoadText;
using resources::TextId;

constexpr std::array<int, kCatalogueSize> kNumbers = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 14, 15, 16, 17, 18, 19,
    20, 21, 22, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 48, 49, 50};

std::array<TExtensionEntry, kCatalogueSize> LoadCatalogue() {
    std::array<TExtensionEntry, kCatalogueSize> catalogue;
    const auto firstExtension = static_cast<int>(TextId::CatalogueExtension0);
    const auto firstDescription = static_cast<int>(TextId::CatalogueDescription0);
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        const int offset = static_cast<int>(i);
        catalogue[i] = {kNumbers[i], LoadText(static_cast<TextId>(firstDescription + offset)),
                        LoadText(static_cast<TextId>(firstExtension + offset)), ""};
    }
    return catalogue;
}

}  // namespace

const std::array<TExtensionEntry, kCatalogueSize> ExtCatalogue = LoadCatalogue();

const std::string DangerousExts = LoadText(TextId::DangerousExtensions);

TRating RateExtension(const std::string& extension) {
    // A plain substring search: over the catalogue it finds exactly the whole entries.
    if (DangerousExts.find(extension) != std::string::npos) {
        return {LoadText(TextId::RatingDangerous), TRatingColour::clRed};
    }
    return {LoadText(TextId::RatingNormal), TRatingColour::clBlue};
}

}  // namespace brevolt::uExtentions
