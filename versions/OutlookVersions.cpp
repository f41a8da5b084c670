#include "versions/OutlookVersions.h"

#include "resources/Texts.h"

namespace brevolt::versions {

using resources::LoadText;
using resources::TextId;

const std::array<OutlookVersion, 3> OutlookVersions = {{
    {0, LoadText(TextId::VersionCaption2000), LoadText(TextId::VersionKey2000)},
    {1, LoadText(TextId::VersionCaption2002), LoadText(TextId::VersionKey2002)},
    {2, LoadText(TextId::VersionCaption2003), LoadText(TextId::VersionKey2003)},
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

}  // namespace brevolt::versions
