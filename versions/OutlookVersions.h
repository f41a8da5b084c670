#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace brevolt::versions {

// Which list of blocked attachment types Outlook documents for a version.
enum class BlockedTypes {
    Outlook2000To2003,  // the program's catalogue of 38 types
    Outlook2007To2013,  // the support article of the Outlook 2007 to 2013 period (89 types)
    Outlook2016On,      // the current support article (120 types as of March 2023)
};

// What "Speichern" writes of the Level-1 lists.
enum class ListSave {
    // Outlook 2000 to 2003: the unblocked types, the still-blocked types and the user's own list,
    // with the Office-wide lists reset to one blank.
    AllLists,
    // Outlook 2007 and later read only "Level1Remove" (and "Level1Add" to block more): the
    // unblocked types are written, and "Level1Add" only loses the types the user now unblocks.
    UnblockedOnly,
};

// Whether the page "Weitere Einstellungen" offers an option for a version, and why not.
enum class OptionUse {
    Offered,       // enabled; read and written
    Greyed,        // disabled, but read and written like the others (Outlook 2000 and 2002)
    Gone,          // disabled, neither read nor written: this version no longer has it
    Undocumented,  // disabled, neither read nor written: no source says this version reads it
};

constexpr std::size_t kOutlookOptionCount = 14;

// One supported Outlook version, with everything that differs between versions.
struct OutlookVersion {
    std::int32_t tag;     // the row's number, also the tag of its menu item
    std::string caption;  // display name, shown in the menu and the window header
    std::string key;      // path component below "Software\Microsoft\Office\"
    BlockedTypes blockedTypes;
    // Outlook 2007 and later: Microsoft documents the entries of the Level-1 lists with their
    // leading dot (".exe;.com"); the versions before take them without.
    bool dottedListEntries;
    ListSave listSave;
    // Per item of the page "Weitere Einstellungen", in its order.
    std::array<OptionUse, kOutlookOptionCount> options;
    // "PONT_STRING" is a list of suppressed prompts, of which the page edits the entry "32";
    // before, the page replaces the whole value.
    bool promptsAsList;
    // An option an administrator's policy sets shows the policy's state and is not written
    // (before, every option is read and written as it always was).
    bool optionPolicies;
    // The user may have switched to the new Outlook, which reads none of these values.
    bool newOutlookHint;
    // The caption's character that chooses the row in the menu (its first occurrence), unique
    // among the menu's items.
    char accessKey;
};

// The caption with the access key marked ("Outlook 200&3").
std::string MenuCaption(const OutlookVersion& version);

// The supported versions in menu order; their texts come from the string table.
extern const std::array<OutlookVersion, 7> OutlookVersions;

// The row with exactly this key; null for "6.0" and every key outside the table.
const OutlookVersion* FindVersion(const std::string& key);

// The row with this key; for a key outside the table (such as "6.0") a row that treats it as
// Outlook 2003 does, with no caption.
OutlookVersion VersionOrClassic(const std::string& key);

// The key of the row with this tag; `key` keeps its value when no row has the tag.
void VersionKeyOfTag(std::int32_t tag, std::string& key);
// The caption of the row with exactly this key; `caption` keeps its value when no row has it.
void CaptionOfVersionKey(const std::string& key, std::string& caption);

// "Software\Microsoft\Office\<key>" followed by `below` (which starts with a backslash, or is
// empty).
std::string OfficeKeyPath(const std::string& key, const std::string& below = {});
// The same below "Software\Policies\Microsoft\Office\<key>", where administrators' policies live.
std::string OfficePolicyKeyPath(const std::string& key, const std::string& below = {});

}  // namespace brevolt::versions
