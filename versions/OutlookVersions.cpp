#include "versions/OutlookVersions.h"

#include <algorithm>

#include "resources/Texts.h"

namespace brevolt::versions {
namespace {

using resources::LoadText;
using resources::TextId;

constexpr auto O = OptionUse::Offered;
constexpr auto G = OptionUse::Greyed;
constexpr auto X = OptionUse::Gone;
constexpr auto U = OptionUse::Undocumented;

// The items of the page "Weitere Einstellungen", in its order: MinToTray, ShowBcc, AdaptiveMenus,
// the four error-report values, IM "Enabled", ReadAsPlain, EnablePresence, DoAging, WarnDelete,
// "Check Default Client", SharedFolderScript, PublicFolderScript, PONT_STRING, BlockExtContent.
//
// Outlook 2007 and later: an item is offered only where Microsoft documents that version reading
// the value at the user's key (the manual names each source):
// - MinToTray: KB 2847732 (Outlook 2007 to 2016 and later).
// - DoAging: Microsoft's messaging-developer blog on reading the AutoArchive settings (2007 to
//   2013); no source found for 16.0.
// - PONT_STRING: KB 2697913 (2010 and later), a list of suppressed prompts.
// - AdaptiveMenus and the error-report values went with the ribbon (2007) and the new error
//   reporting; IM "Enabled" changed its meaning in 2007 and presence moved to "\Common\IM"
//   (2010 and later).
// - The others are documented only as policies.
constexpr std::array<OptionUse, kOutlookOptionCount> kOutlook2000 = {G, O, O, O, O, G, G,
                                                                     O, O, O, O, O, G, G};
constexpr std::array<OptionUse, kOutlookOptionCount> kOutlook2002 = {O, O, O, O, O, O, G,
                                                                     O, O, O, O, O, G, G};
constexpr std::array<OptionUse, kOutlookOptionCount> kOutlook2003 = {O, O, O, O, O, O, O,
                                                                     O, O, O, O, O, O, O};
constexpr std::array<OptionUse, kOutlookOptionCount> kOutlook2007 = {O, U, X, X, X, U, X,
                                                                     O, U, U, U, U, U, U};
constexpr std::array<OptionUse, kOutlookOptionCount> kOutlook2010To2013 = {O, U, X, X, X, U, X,
                                                                           O, U, U, U, U, O, U};
constexpr std::array<OptionUse, kOutlookOptionCount> kOutlook2016 = {O, U, X, X, X, U, X,
                                                                     U, U, U, U, U, O, U};

}  // namespace

// Version keys of Outlook 2007 to Microsoft 365 after Microsoft's KB 837388 and KB 3189806;
// there is no 13.0, and 2016, 2019, 2021, 2024 and Microsoft 365 all use 16.0.
const std::array<OutlookVersion, 7> OutlookVersions = {{
    {0, LoadText(TextId::VersionCaption2000), LoadText(TextId::VersionKey2000),
     BlockedTypes::Outlook2000To2003, false, ListSave::AllLists, kOutlook2000, false, false, false,
     '0'},
    {1, LoadText(TextId::VersionCaption2002), LoadText(TextId::VersionKey2002),
     BlockedTypes::Outlook2000To2003, false, ListSave::AllLists, kOutlook2002, false, false, false,
     'X'},
    {2, LoadText(TextId::VersionCaption2003), LoadText(TextId::VersionKey2003),
     BlockedTypes::Outlook2000To2003, false, ListSave::AllLists, kOutlook2003, false, false, false,
     '3'},
    {3, LoadText(TextId::VersionCaption2007), LoadText(TextId::VersionKey2007),
     BlockedTypes::Outlook2007To2013, true, ListSave::UnblockedOnly, kOutlook2007, false, true,
     false, '7'},
    {4, LoadText(TextId::VersionCaption2010), LoadText(TextId::VersionKey2010),
     BlockedTypes::Outlook2007To2013, true, ListSave::UnblockedOnly, kOutlook2010To2013, true, true,
     false, '1'},
    {5, LoadText(TextId::VersionCaption2013), LoadText(TextId::VersionKey2013),
     BlockedTypes::Outlook2007To2013, true, ListSave::UnblockedOnly, kOutlook2010To2013, true, true,
     false, '2'},
    {6, LoadText(TextId::VersionCaption2016), LoadText(TextId::VersionKey2016),
     BlockedTypes::Outlook2016On, true, ListSave::UnblockedOnly, kOutlook2016, true, true, true,
     '6'},
}};

const OutlookVersion* FindVersion(const std::string& key) {
    const auto row = std::find_if(OutlookVersions.begin(), OutlookVersions.end(),
                                  [&](const auto& version) { return version.key == key; });
    return row == OutlookVersions.end() ? nullptr : &*row;
}

OutlookVersion VersionOrClassic(const std::string& key) {
    if (const auto* row = FindVersion(key)) {
        return *row;
    }
    OutlookVersion classic = OutlookVersions[2];
    classic.caption.clear();
    classic.key = key;
    return classic;
}

void VersionKeyOfTag(std::int32_t tag, std::string& key) {
    for (const auto& row : OutlookVersions) {
        if (row.tag == tag) {
            key = row.key;
            return;
        }
    }
}

std::string MenuCaption(const OutlookVersion& version) {
    const auto& caption = version.caption;
    const auto at = caption.find(version.accessKey);
    return at == std::string::npos ? caption
                                   : caption.substr(0, at) + "&" + caption.substr(at);
}

void CaptionOfVersionKey(const std::string& key, std::string& caption) {
    if (const auto* row = FindVersion(key)) {
        caption = row->caption;
    }
}

std::string OfficeKeyPath(const std::string& key, const std::string& below) {
    return "Software\\Microsoft\\Office\\" + key + below;
}

std::string OfficePolicyKeyPath(const std::string& key, const std::string& below) {
    return "Software\\Policies\\Microsoft\\Office\\" + key + below;
}

}  // namespace brevolt::versions
