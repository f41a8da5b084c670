#include "unblock/Catalogue.h"

#include "resources/Texts.h"
#include "unblock/ExtensionList.h"

namespace brevolt::unblock {
namespace {

using resources::LoadText;
using resources::TextId;

constexpr std::array<int, kCatalogueSize> kNumbers = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 14, 15, 16, 17, 18, 19,
    20, 21, 22, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 48, 49, 50};

std::array<CatalogueEntry, kCatalogueSize> LoadCatalogue() {
    const auto extensions = resources::LoadTexts(TextId::CatalogueExtension0, kCatalogueSize);
    const auto descriptions = resources::LoadTexts(TextId::CatalogueDescription0, kCatalogueSize);
    std::array<CatalogueEntry, kCatalogueSize> catalogue;
    for (std::size_t i = 0; i < kCatalogueSize; ++i) {
        catalogue[i] = {kNumbers[i], descriptions[i], extensions[i], ""};
    }
    return catalogue;
}

}  // namespace

const std::array<CatalogueEntry, kCatalogueSize> Catalogue = LoadCatalogue();

const std::string DangerousExts = LoadText(TextId::DangerousExtensions);

Rating RateExtension(const std::string& extension) {
    // Whole entries only: a part of an entry ("MD" of "CMD") is no dangerous type.
    return ListContains(DangerousExts, extension) ? Rating::Dangerous : Rating::Normal;
}

}  // namespace brevolt::unblock
