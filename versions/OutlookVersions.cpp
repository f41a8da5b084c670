#include "versions/OutlookVersions.h"

#include <algorithm>

#include "resources/Texts.h"

namespace brevolt::versions {

using resources::LoadText;
using resources::TextId;

// Version keys of Outlook 2007 to Microsoft 365 after Microsoft's KB 837388 and KB 3189806;
// there is no 13.0, and 2016, 2019, 2021, 2024 and Microsoft 365 all use 16.0.
const std::array<OutlookVersion, 7> OutlookVersions = {{
    {0, LoadText(TextId::VersionCaption2000), LoadText(TextId::VersionKey2000)},
    {1, LoadText(TextId::VersionCaption2002), LoadText(TextId::VersionKey2002)},
    {2, LoadText(TextId::VersionCaption2003), LoadText(TextId::VersionKey2003)},
    {3, LoadText(TextId::VersionCaption2007), LoadText(TextId::VersionKey2007), true},
    {4, LoadText(TextId::VersionCaption2010), LoadText(TextId::VersionKey2010), true},
    {5, LoadText(TextId::VersionCaption2013), LoadText(TextId::VersionKey2013), true},
    {6, LoadText(TextId::VersionCaption2016), LoadText(TextId::VersionKey2016), true},
}};

void VersionKeyOfTag(std::int32_t tag, std::string& key) {
    for (const auto& row : OutlookVersions) {
        if (row.tag == tag) {
            key = row.key;
            return;
        }
    }
}

void CaptionOfVersionKey(const std::string& key, std::string& caption) {
    for (const auto& row : OutlookVersions) {
        if (row.key == key) {
            caption = row.caption;
            return;
        }
    }
}

bool WritesDottedListEntries(const std::string& key) {
    const auto row = std::find_if(OutlookVersions.begin(), OutlookVersions.end(),
                                  [&](const auto& version) { return version.key == key; });
    return row != OutlookVersions.end() && row->dottedListEntries;
}

}  // namespace brevolt::versions
