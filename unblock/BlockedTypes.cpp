#include "unblock/BlockedTypes.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "resources/Texts.h"
#include "unblock/Catalogue.h"

namespace brevolt::unblock {
namespace {

using resources::TextId;

// The types of the current support article "Blocked attachments in Outlook" (Outlook 2016 to
// Microsoft 365), as copied in March 2023: the string table holds them alphabetically, each
// with its description.
constexpr std::size_t kCurrentTypeCount = 120;

// The types of the Office.com article "Blocked attachments in Outlook" of the Outlook 2007 to
// 2013 period (HA001229952), as Microsoft copied it into its TeamMate sources; every one of
// them is among the current types.
constexpr std::array<std::string_view, 89> kOutlook2007To2013 = {
    "ADE",  "ADP",     "APP",      "ASP", "BAS",    "BAT", "CER",    "CHM",    "CMD",  "CNT",
    "COM",  "CPL",     "CRT",      "CSH", "DER",    "EXE", "FXP",    "GADGET", "HLP",  "HPJ",
    "HTA",  "INF",     "INS",      "ISP", "ITS",    "JS",  "JSE",    "KSH",    "LNK",  "MAD",
    "MAF",  "MAG",     "MAM",      "MAQ", "MAR",    "MAS", "MAT",    "MAU",    "MAV",  "MAW",
    "MDA",  "MDB",     "MDE",      "MDT", "MDW",    "MDZ", "MSC",    "MSH",    "MSH1", "MSH1XML",
    "MSH2", "MSH2XML", "MSHXML",   "MSI", "MSP",    "MST", "OPS",    "OSD",    "PCD",  "PIF",
    "PLG",  "PRF",     "PRG",      "PS1", "PS1XML", "PS2", "PS2XML", "PSC1",   "PSC2", "PST",
    "REG",  "SCF",     "SCR",      "SCT", "SHB",    "SHS", "TMP",    "URL",    "VB",   "VBE",
    "VBP",  "VBS",     "VSMACROS", "VSW", "WS",     "WSC", "WSF",    "WSH",    "XNK"};

std::vector<BlockedType> LoadCurrentTypes() {
    const auto extensions = resources::LoadTexts(TextId::FileTypeExtension0, kCurrentTypeCount);
    const auto descriptions = resources::LoadTexts(TextId::FileTypeDescription0, kCurrentTypeCount);
    std::vector<BlockedType> rows;
    for (std::size_t i = 0; i < kCurrentTypeCount; ++i) {
        rows.push_back({extensions[i], descriptions[i],
                        IsDangerousType(extensions[i]) ? Rating::Dangerous : Rating::Normal});
    }
    return rows;
}

std::vector<BlockedType> LoadOutlook2007To2013Types() {
    std::vector<BlockedType> rows;
    for (const auto& row : BlockedTypesOf(versions::BlockedTypes::Outlook2016On)) {
        if (std::find(kOutlook2007To2013.begin(), kOutlook2007To2013.end(), row.extension) !=
            kOutlook2007To2013.end()) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<BlockedType> LoadClassicTypes() {
    std::vector<BlockedType> rows;
    for (const auto& entry : Catalogue) {
        rows.push_back({entry.extension, entry.description, RateExtension(entry.extension)});
    }
    return rows;
}

}  // namespace

const std::vector<BlockedType>& BlockedTypesOf(versions::BlockedTypes types) {
    switch (types) {
        case versions::BlockedTypes::Outlook2000To2003: {
            static const std::vector<BlockedType> rows = LoadClassicTypes();
            return rows;
        }
        case versions::BlockedTypes::Outlook2007To2013: {
            static const std::vector<BlockedType> rows = LoadOutlook2007To2013Types();
            return rows;
        }
        case versions::BlockedTypes::Outlook2016On:
            break;
    }
    static const std::vector<BlockedType> rows = LoadCurrentTypes();
    return rows;
}

const BlockedType* FindBlockedType(versions::BlockedTypes types, std::string_view extension) {
    // Every catalogue is alphabetical (its tests hold it so): a binary search, since rows of
    // thousands of the user's own types each ask.
    const auto& rows = BlockedTypesOf(types);
    const auto at = std::lower_bound(
        rows.begin(), rows.end(), extension,
        [](const BlockedType& row, std::string_view wanted) { return row.extension < wanted; });
    return at != rows.end() && at->extension == extension ? &*at : nullptr;
}

}  // namespace brevolt::unblock
