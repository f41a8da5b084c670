#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace brevolt::versions {

// One supported Outlook version.
struct OutlookVersion {
    std::int32_t tag;     // the row's number, also the tag of its menu item
    std::string caption;  // display name, shown in the menu and the window header
    std::string key;      // path component below "Software\Microsoft\Office\"
    // Outlook 2007 and later: Microsoft documents the entries of the Level-1 lists with their
    // leading dot (".exe;.com"); the versions before take them without.
    bool dottedListEntries = false;
};

// The supported versions in menu order; their texts come from the string table.
extern const std::array<OutlookVersion, 7> OutlookVersions;

// The key of the row with this tag; `key` keeps its value when no row has the tag.
void VersionKeyOfTag(std::int32_t tag, std::string& key);
// The caption of the row with exactly this key; `caption` keeps its value when no row has it.
void CaptionOfVersionKey(const std::string& key, std::string& caption);
// True when the row with exactly this key writes its list entries with a leading dot.
bool WritesDottedListEntries(const std::string& key);

}  // namespace brevolt::versions
