#include "options/OutlookOptions.h"

#include <algorithm>

#include "registry/Exceptions.h"
#include "registry/Registry.h"

namespace brevolt::options {
namespace {

using versions::OfficeKeyPath;
using versions::OfficePolicyKeyPath;

constexpr const char* kPromptEntry = "32";

bool IsTextRule(ReadRule rule) {
    return rule == ReadRule::AbsentOrEmptyText || rule == ReadRule::PromptListLacks32;
}

// The entries of a list of suppressed prompts ("32,40,"), without blanks; empty ones left out.
std::vector<std::string> PromptEntries(const std::string& list) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto end = std::min(list.find(',', start), list.size());
        const auto entry = list.substr(start, end - start);
        const auto first = entry.find_first_not_of(' ');
        if (first != std::string::npos) {
            entries.push_back(entry.substr(first, entry.find_last_not_of(' ') - first + 1));
        }
        start = end + 1;
    }
    return entries;
}

bool HasPromptEntry(const std::string& list) {
    const auto entries = PromptEntries(list);
    return std::find(entries.begin(), entries.end(), kPromptEntry) != entries.end();
}

// The list with the entry "32" added or taken out; the others keep their order and form, each
// followed by a comma as Outlook writes the list. The list itself when nothing changes.
std::string WithPromptEntry(const std::string& list, bool present) {
    if (HasPromptEntry(list) == present) {
        return list;
    }
    std::string result;
    for (const auto& entry : PromptEntries(list)) {
        if (entry != kPromptEntry) {
            result += entry + ",";
        }
    }
    return present ? result + kPromptEntry + "," : result;
}

// The values are tested left to right, each for presence before it is read; the first that
// fails decides. A value of another type raises.
bool Evaluate(const registry::Registry& reg, const OutlookOption& option) {
    for (const char* name : option.values) {
        const bool present = reg.HasValue(name);
        bool holds = false;
        switch (option.read) {
            case ReadRule::PresentAndOne:
                holds = present && reg.ReadDword(name) == 1;
                break;
            case ReadRule::PresentAndZero:
                holds = present && reg.ReadDword(name) == 0;
                break;
            case ReadRule::AbsentOrNotOne:
                holds = !present || reg.ReadDword(name) != 1;
                break;
            case ReadRule::AbsentOrOne:
                holds = !present || reg.ReadDword(name) == 1;
                break;
            case ReadRule::AbsentOrEmptyText:
                holds = !present || reg.ReadText(name).empty();
                break;
            case ReadRule::PromptListLacks32:
                holds = !present || !HasPromptEntry(reg.ReadText(name));
                break;
        }
        if (!holds) {
            return false;
        }
    }
    return true;
}

// Stores the state. A value that cannot be set raises and ends the writes of this call; a value
// that cannot be removed does not (removing never raises), so the later ones are still removed.
// False when any value could not be removed.
bool Store(registry::Registry& reg, const OutlookOption& option, bool on) {
    bool stored = true;
    for (const char* name : option.values) {
        switch (option.write) {
            case WriteRule::OneOrRemove:
            case WriteRule::ZeroOrRemove:
                if (on) {
                    reg.WriteDword(name, option.write == WriteRule::OneOrRemove ? 1 : 0);
                } else if (!reg.RemoveValue(name) && reg.HasValue(name)) {
                    // Removed first and asked after: a value still there is a failure, one that
                    // was never there is none, and a failing question cannot hide a failure.
                    stored = false;
                }
                break;
            case WriteRule::OneOrZero:
                reg.WriteDword(name, on ? 1 : 0);
                break;
            case WriteRule::EmptyOrPont:
                reg.WriteText(name, on ? "" : "32,");
                break;
            case WriteRule::PromptList32: {
                // The warning shows (ticked) when "32" is not among the suppressed prompts. A value
                // that is no text holds no list: it is replaced by one.
                std::string list;
                bool isText = true;
                try {
                    list = reg.ReadText(name);
                } catch (const registry::RegistryError&) {
                    isText = false;
                }
                const std::string wanted = WithPromptEntry(list, !on);
                if (!isText || (reg.HasValue(name) ? wanted != list : !on)) {
                    reg.WriteText(name, wanted);
                }
                break;
            }
        }
    }
    return stored;
}

// Whether the policy key holds every value of the option, each of the type the option reads.
bool HoldsEveryValue(const registry::Registry& reg, const OutlookOption& option) {
    return std::all_of(option.values.begin(), option.values.end(), [&](const char* name) {
        if (!IsTextRule(option.read)) {
            return reg.TryReadDword(name).has_value();
        }
        try {
            reg.ReadText(name);  // raises when the value is no text
            return reg.HasValue(name);
        } catch (const registry::RegistryError&) {
            return false;
        }
    });
}

// Whether storing the state changes the list of prompts in the open key.
bool PromptListChanges(const registry::Registry& reg, const OutlookOption& option, bool on) {
    for (const char* name : option.values) {
        try {
            const std::string list = reg.ReadText(name);
            if (WithPromptEntry(list, !on) != list) {
                return true;
            }
        } catch (const registry::RegistryError&) {
            return true;  // no text: replaced by a list
        }
    }
    return false;
}

}  // namespace

const std::array<OutlookOption, versions::kOutlookOptionCount> OutlookOptions = {{
    {"\\Outlook\\Preferences",
     {"MinToTray"},
     ReadRule::PresentAndOne,
     WriteRule::OneOrRemove,
     false},
    {"\\Outlook\\Preferences", {"ShowBcc"}, ReadRule::PresentAndOne, WriteRule::OneOrRemove, false},
    {"\\Common\\Toolbars",
     {"AdaptiveMenus"},
     ReadRule::PresentAndZero,
     WriteRule::ZeroOrRemove,
     false},
    {"\\Common",
     {"DWNeverUpload", "DWNoExternalURL", "DWNoFileCollection", "DWNoSecondLevelCollection"},
     ReadRule::PresentAndOne,
     WriteRule::OneOrRemove,
     false},
    {"\\Outlook\\IM", {"Enabled"}, ReadRule::PresentAndOne, WriteRule::OneOrZero, false},
    {"\\Outlook\\Options\\Mail",
     {"ReadAsPlain"},
     ReadRule::PresentAndOne,
     WriteRule::OneOrZero,
     false},
    {"\\Outlook\\IM", {"EnablePresence"}, ReadRule::PresentAndOne, WriteRule::OneOrZero, false},
    // Ticked means auto-archiving off: it shows ticked unless DoAging is 1, and stores 0.
    {"\\Outlook\\Preferences", {"DoAging"}, ReadRule::AbsentOrNotOne, WriteRule::OneOrZero, true},
    {"\\Outlook\\Options\\General",
     {"WarnDelete"},
     ReadRule::PresentAndOne,
     WriteRule::OneOrZero,
     false},
    {"\\Outlook\\Options\\General",
     {"Check Default Client"},
     ReadRule::PresentAndOne,
     WriteRule::OneOrZero,
     false},
    {"\\Outlook\\Security",
     {"SharedFolderScript"},
     ReadRule::PresentAndOne,
     WriteRule::OneOrZero,
     false},
    {"\\Outlook\\Security",
     {"PublicFolderScript"},
     ReadRule::AbsentOrOne,
     WriteRule::OneOrZero,
     false},
    {"\\Outlook\\Options\\General",
     {"PONT_STRING"},
     ReadRule::AbsentOrEmptyText,
     WriteRule::EmptyOrPont,
     false},
    {"\\Outlook\\Options\\Mail",
     {"BlockExtContent"},
     ReadRule::AbsentOrOne,
     WriteRule::OneOrZero,
     false},
}};

OutlookOption OptionFor(std::size_t item, const versions::OutlookVersion* version) {
    OutlookOption option = OutlookOptions.at(item);
    if (version != nullptr && version->promptsAsList && option.write == WriteRule::EmptyOrPont) {
        option.read = ReadRule::PromptListLacks32;
        option.write = WriteRule::PromptList32;
    }
    return option;
}

bool ReadTick(const OutlookOption& option, const std::string& ver) {
    if (ver.empty()) {
        return false;
    }
    registry::Registry reg;
    // A key that is not there holds none of the values: the rule decides on that.
    reg.OpenPathForReading(OfficeKeyPath(ver, option.keySuffix));
    try {
        return Evaluate(reg, option);
    } catch (const registry::RegistryError&) {
        return false;  // a value of another type: unticked
    }
}

bool WriteTick(const OutlookOption& option, const std::string& ver, bool ticked) {
    if (ver.empty()) {
        return false;
    }
    const bool on = option.inverted ? !ticked : ticked;
    const std::string path = OfficeKeyPath(ver, option.keySuffix);
    registry::Registry reg;
    // A list of prompts that stays as it is is not written, and no key is made for it.
    if (option.write == WriteRule::PromptList32 && on) {
        if (!reg.OpenPathForReading(path) || !PromptListChanges(reg, option, on)) {
            return true;
        }
        reg.ClosePath();
    }
    if (!reg.OpenPath(path, true)) {
        return false;
    }
    try {
        return Store(reg, option, on);
    } catch (const registry::RegistryError&) {
        return false;  // swallowed; the caller learns it from the result
    }
}

std::optional<bool> ReadPolicyTick(const OutlookOption& option, const std::string& ver) {
    registry::Registry reg;
    if (ver.empty() || !reg.OpenPathForReading(OfficePolicyKeyPath(ver, option.keySuffix)) ||
        !HoldsEveryValue(reg, option)) {
        return std::nullopt;
    }
    try {
        return Evaluate(reg, option);
    } catch (const registry::RegistryError&) {
        return std::nullopt;
    }
}

}  // namespace brevolt::options
