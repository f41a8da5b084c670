#include "options/OutlookOptions.h"

#include <vector>

#include "registry/Exceptions.h"
#include "registry/Registry.h"

namespace brevolt::options {
namespace {

// When an option's item shows ticked.
enum class ReadRule {
    PresentAndOne,     // every value present and 1
    PresentAndZero,    // the value present and 0
    AbsentOrNotOne,    // the value absent, or present and not 1
    AbsentOrOne,       // the value absent, or present and 1
    AbsentOrEmptyText  // the text value absent, or present and empty
};

// What the option's write stores for on and for off.
enum class WriteRule {
    OneOrRemove,   // 1 into every value; off removes each that is present
    ZeroOrRemove,  // 0; off removes the value
    OneOrZero,     // 1 or 0
    EmptyOrPont    // the empty text, or "32,"
};

struct OutlookOption {
    const char* keySuffix;
    std::vector<const char*> values;
    ReadRule read;
    WriteRule write;
};

const OutlookOption kMinToTray{
    "\\Outlook\\Preferences", {"MinToTray"}, ReadRule::PresentAndOne, WriteRule::OneOrRemove};
const OutlookOption kShowBcc{
    "\\Outlook\\Preferences", {"ShowBcc"}, ReadRule::PresentAndOne, WriteRule::OneOrRemove};
const OutlookOption kAdaptiveMenus{
    "\\Common\\Toolbars", {"AdaptiveMenus"}, ReadRule::PresentAndZero, WriteRule::ZeroOrRemove};
const OutlookOption kErrorReports{
    "\\Common",
    {"DWNeverUpload", "DWNoExternalURL", "DWNoFileCollection", "DWNoSecondLevelCollection"},
    ReadRule::PresentAndOne,
    WriteRule::OneOrRemove};
const OutlookOption kIMEnabled{
    "\\Outlook\\IM", {"Enabled"}, ReadRule::PresentAndOne, WriteRule::OneOrZero};
const OutlookOption kReadAsPlain{
    "\\Outlook\\Options\\Mail", {"ReadAsPlain"}, ReadRule::PresentAndOne, WriteRule::OneOrZero};
const OutlookOption kEnablePresence{
    "\\Outlook\\IM", {"EnablePresence"}, ReadRule::PresentAndOne, WriteRule::OneOrZero};
const OutlookOption kDoAging{
    "\\Outlook\\Preferences", {"DoAging"}, ReadRule::AbsentOrNotOne, WriteRule::OneOrZero};
const OutlookOption kWarnDelete{
    "\\Outlook\\Options\\General", {"WarnDelete"}, ReadRule::PresentAndOne, WriteRule::OneOrZero};
const OutlookOption kCheckDefaultClient{"\\Outlook\\Options\\General",
                                        {"Check Default Client"},
                                        ReadRule::PresentAndOne,
                                        WriteRule::OneOrZero};
const OutlookOption kSharedFolderScript{
    "\\Outlook\\Security", {"SharedFolderScript"}, ReadRule::PresentAndOne, WriteRule::OneOrZero};
const OutlookOption kPublicFolderScript{
    "\\Outlook\\Security", {"PublicFolderScript"}, ReadRule::AbsentOrOne, WriteRule::OneOrZero};
const OutlookOption kPontString{"\\Outlook\\Options\\General",
                                {"PONT_STRING"},
                                ReadRule::AbsentOrEmptyText,
                                WriteRule::EmptyOrPont};
const OutlookOption kBlockExtContent{
    "\\Outlook\\Options\\Mail", {"BlockExtContent"}, ReadRule::AbsentOrOne, WriteRule::OneOrZero};

bool OpenOptionKey(registry::Registry& reg, const std::string& ver, const OutlookOption& option) {
    return !ver.empty() &&
           reg.OpenPath("Software\\Microsoft\\Office\\" + ver + option.keySuffix, true);
}

// The values are tested left to right, each for presence before it is read; the first that
// fails decides.
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
        }
        if (!holds) {
            return false;
        }
    }
    return true;
}

bool Get(const OutlookOption& option, const std::string& ver) {
    registry::Registry reg;
    if (!OpenOptionKey(reg, ver, option)) {
        return false;
    }
    try {
        return Evaluate(reg, option);
    } catch (const registry::RegistryError&) {
        return false;  // a value of another type: unticked
    }
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
        }
    }
    return stored;
}

bool Set(const OutlookOption& option, const std::string& ver, bool on) {
    registry::Registry reg;
    if (!OpenOptionKey(reg, ver, option)) {
        return false;
    }
    try {
        return Store(reg, option, on);
    } catch (const registry::RegistryError&) {
        return false;  // swallowed; the caller learns it from the result
    }
}

}  // namespace

bool GetMinToTray(const std::string& ver) {
    return Get(kMinToTray, ver);
}
bool GetShowBcc(const std::string& ver) {
    return Get(kShowBcc, ver);
}
bool GetAdaptiveMenus(const std::string& ver) {
    return Get(kAdaptiveMenus, ver);
}
bool GetErrorReports(const std::string& ver) {
    return Get(kErrorReports, ver);
}
bool GetIMEnabled(const std::string& ver) {
    return Get(kIMEnabled, ver);
}
bool GetReadAsPlain(const std::string& ver) {
    return Get(kReadAsPlain, ver);
}
bool GetEnablePresence(const std::string& ver) {
    return Get(kEnablePresence, ver);
}
bool GetDoAging(const std::string& ver) {
    return Get(kDoAging, ver);
}
bool GetWarnDelete(const std::string& ver) {
    return Get(kWarnDelete, ver);
}
bool GetCheckDefaultClient(const std::string& ver) {
    return Get(kCheckDefaultClient, ver);
}
bool GetSharedFolderScript(const std::string& ver) {
    return Get(kSharedFolderScript, ver);
}
bool GetPublicFolderScript(const std::string& ver) {
    return Get(kPublicFolderScript, ver);
}
bool GetPontString(const std::string& ver) {
    return Get(kPontString, ver);
}
bool GetBlockExtContent(const std::string& ver) {
    return Get(kBlockExtContent, ver);
}

bool SetMinToTray(const std::string& ver, bool on) {
    return Set(kMinToTray, ver, on);
}
bool SetShowBcc(const std::string& ver, bool on) {
    return Set(kShowBcc, ver, on);
}
bool SetAdaptiveMenus(const std::string& ver, bool on) {
    return Set(kAdaptiveMenus, ver, on);
}
bool SetErrorReports(const std::string& ver, bool on) {
    return Set(kErrorReports, ver, on);
}
bool SetIMEnabled(const std::string& ver, bool on) {
    return Set(kIMEnabled, ver, on);
}
bool SetReadAsPlain(const std::string& ver, bool on) {
    return Set(kReadAsPlain, ver, on);
}
bool SetEnablePresence(const std::string& ver, bool on) {
    return Set(kEnablePresence, ver, on);
}
bool SetDoAging(const std::string& ver, bool on) {
    return Set(kDoAging, ver, on);
}
bool SetWarnDelete(const std::string& ver, bool on) {
    return Set(kWarnDelete, ver, on);
}
bool SetCheckDefaultClient(const std::string& ver, bool on) {
    return Set(kCheckDefaultClient, ver, on);
}
bool SetSharedFolderScript(const std::string& ver, bool on) {
    return Set(kSharedFolderScript, ver, on);
}
bool SetPublicFolderScript(const std::string& ver, bool on) {
    return Set(kPublicFolderScript, ver, on);
}
bool SetPontString(const std::string& ver, bool on) {
    return Set(kPontString, ver, on);
}
bool SetBlockExtContent(const std::string& ver, bool on) {
    return Set(kBlockExtContent, ver, on);
}

}  // namespace brevolt::options
