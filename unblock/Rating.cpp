#include "unblock/Rating.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "resources/Texts.h"
#include "unblock/BlockedTypes.h"

namespace brevolt::unblock {
namespace {

// Opening one of these runs code or changes the system without a further question. Sorted, for
// the binary search.
constexpr std::array<std::string_view, 62> kDangerous = {
    "APP",  "APPLICATION", "APPREF-MS", "BAT",     "CHM",
    "CMD",  "COM",         "CPL",       "CSH",     "DIAGCAB",
    "EXE",  "FXP",         "GADGET",    "HTA",     "JAR",
    "JNLP", "JS",          "JSE",       "KSH",     "LNK",
    "MSC",  "MSH",         "MSH1",      "MSH2",    "MSI",
    "MSP",  "MSU",         "PIF",       "PL",      "PS1",
    "PS2",  "PSC1",        "PSC2",      "PSM1",    "PY",
    "PYC",  "PYO",         "PYW",       "PYZ",     "PYZW",
    "REG",  "SCF",         "SCR",       "SCT",     "SETTINGCONTENT-MS",
    "SHB",  "SHS",         "THEME",     "URL",     "VB",
    "VBE",  "VBS",         "VSMACROS",  "WEBSITE", "WS",
    "WSB",  "WSC",         "WSF",       "WSH",     "XBAP",
    "XLL",  "XNK"};

// Types that Microsoft's lists for the web and the new Outlook block but no catalogue of the
// program holds: known, and rated normal unless listed above.
constexpr std::array<std::string_view, 11> kOtherBlocked = {
    "APK", "APPCONTENT-MS", "APPX", "CDXML",     "IMG", "LIBRARY-MS",
    "MHT", "MHTML",         "PSSC", "SEARCH-MS", "UDL"};

// A type some version of Outlook blocks. Gathered once and hashed: a fill rates thousands of
// types of the user's own.
bool IsKnownType(std::string_view extension) {
    static const std::unordered_set<std::string_view> known = [] {
        std::unordered_set<std::string_view> types(kOtherBlocked.begin(), kOtherBlocked.end());
        // Outlook 2007 to 2013 block a part of what 2016 and later block.
        for (const auto kind :
             {versions::BlockedTypes::Outlook2016On, versions::BlockedTypes::Outlook2000To2003}) {
            for (const auto& row : BlockedTypesOf(kind)) {
                types.insert(row.extension);
            }
        }
        return types;
    }();
    return known.count(extension) > 0;
}

}  // namespace

std::string RatingWord(Rating rating) {
    using resources::LoadText;
    using resources::TextId;
    switch (rating) {
        case Rating::Dangerous:
            return LoadText(TextId::RatingDangerous);
        case Rating::Normal:
            return LoadText(TextId::RatingNormal);
        case Rating::Unknown:
            break;
    }
    return LoadText(TextId::RatingUnknown);
}

bool IsDangerousType(std::string_view extension) {
    return std::binary_search(kDangerous.begin(), kDangerous.end(), extension);
}

Rating RateFileType(std::string_view extension) {
    if (IsDangerousType(extension)) {
        return Rating::Dangerous;
    }
    return IsKnownType(extension) ? Rating::Normal : Rating::Unknown;
}

}  // namespace brevolt::unblock
