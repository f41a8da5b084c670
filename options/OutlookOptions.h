#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "versions/OutlookVersions.h"

// The further Outlook options of the page "Weitere Einstellungen": where each is stored, when its
// item shows ticked, and what a tick stores.
namespace brevolt::options {

// When an option's item shows ticked.
enum class ReadRule {
    PresentAndOne,      // every value present and 1
    PresentAndZero,     // the value present and 0
    AbsentOrNotOne,     // the value absent, or present and not 1
    AbsentOrOne,        // the value absent, or present and 1
    AbsentOrEmptyText,  // the text value absent, or present and empty
    PromptListLacks32,  // the text value absent, or a list of prompts without the entry "32"
};

// What the option's write stores for a ticked and an unticked item.
enum class WriteRule {
    OneOrRemove,   // 1 into every value; unticked removes each that is present
    ZeroOrRemove,  // 0; unticked removes the value
    OneOrZero,     // 1 or 0
    EmptyOrPont,   // the empty text, or "32," (the whole value replaced)
    PromptList32,  // the entry "32" taken out of the list of prompts, or added; the others stay
};

struct OutlookOption {
    const char* keySuffix;            // below "Software\Microsoft\Office\<ver>"
    std::vector<const char*> values;  // REG_DWORD, or REG_SZ for the text rules
    ReadRule read;
    WriteRule write;
    bool inverted;  // a tick stores the value's "off" state (auto-archiving: DoAging 0)
};

// The page's options, in item order; their captions are the texts OutlookOption0 to 13.
extern const std::array<OutlookOption, versions::kOutlookOptionCount> OutlookOptions;

// Item `item` as the version reads it: "PONT_STRING" as a list of prompts where the version
// keeps it so. Keys outside the version table (null) read every option as Outlook 2003 does.
OutlookOption OptionFor(std::size_t item, const versions::OutlookVersion* version);

// Whether the option's item shows ticked for the version. The key is opened for reading only, and
// a key that cannot be opened holds no value; no version key or a value of another type reads as
// unticked.
bool ReadTick(const OutlookOption& option, const std::string& ver);
// Stores the tick for the version, creating the key; gives whether it did. Never raises.
bool WriteTick(const OutlookOption& option, const std::string& ver, bool ticked);
// The tick an administrator's policy sets: the same values below
// "Software\Policies\Microsoft\Office\<ver>", read by the same rule; nothing when no policy sets
// every value of the option with the right type.
std::optional<bool> ReadPolicyTick(const OutlookOption& option, const std::string& ver);

}  // namespace brevolt::options
