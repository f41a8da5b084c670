#include "unblock/Level1Lists.h"

#include "base/UpperCase.h"
#include "registry/Exceptions.h"
#include "registry/Registry.h"
#include "unblock/ExtensionList.h"
#include "versions/OutlookVersions.h"

namespace brevolt::unblock {
namespace {

using versions::OfficeKeyPath;

const std::string kOutlookSecurity = "\\Outlook\\Security";
const std::string kOfficeSecurity = "\\Security";

// The stored text of a value of the version's Outlook security key; empty when the key or the
// value is missing. Nothing for an empty version key.
std::optional<std::string> ReadStored(const std::string& ver, const char* valueName) {
    if (ver.empty()) {
        return std::nullopt;
    }
    registry::Registry reg;
    if (!reg.OpenPathForReading(OfficeKeyPath(ver, kOutlookSecurity))) {
        return std::string();
    }
    return reg.ReadText(valueName);
}

std::optional<std::string> ReadList(const std::string& ver, const char* valueName) {
    const auto stored = ReadStored(ver, valueName);
    if (!stored) {
        return std::nullopt;
    }
    return TrimListEnds(text::UpperCase(*stored));
}

bool WriteList(const std::string& ver, const char* valueName, const std::string& list,
               bool resetOfficeWide) {
    if (ver.empty()) {
        return false;
    }
    registry::Registry reg;
    if (!reg.OpenPath(OfficeKeyPath(ver, kOutlookSecurity), true)) {
        return false;
    }
    reg.WriteText(valueName, list);
    if (resetOfficeWide) {
        ResetOfficeLevel1Add(ver);
    }
    return true;
}

bool ResetOfficeValue(const std::string& ver, const char* valueName) {
    registry::Registry reg;
    if (!reg.OpenPath(OfficeKeyPath(ver, kOfficeSecurity), true)) {
        return false;
    }
    reg.RemoveValue(valueName);
    reg.WriteText(valueName, " ");
    return true;
}

}  // namespace

std::optional<std::string> ReadUnblockedExts(const std::string& ver) {
    return ReadList(ver, "Level1Remove");
}

std::optional<std::string> ReadBlockedExts(const std::string& ver) {
    try {
        return ReadStored(ver, "Level1Add");
    } catch (const registry::RegistryError&) {
        // Read only to keep entries the page does not show: a value that is no text holds none.
        return std::string();
    }
}

std::optional<std::string> ReadOwnExts(const std::string& ver) {
    // Kept exactly as stored: no command changes it, and the save writes it back unchanged.
    return ReadStored(ver, "Level1RemoveUser");
}

bool WriteUnblockedExts(const std::string& ver, const std::string& list, bool resetOfficeWide) {
    return WriteList(ver, "Level1Remove", list, resetOfficeWide);
}

bool WriteBlockedExts(const std::string& ver, const std::string& list, bool resetOfficeWide) {
    return WriteList(ver, "Level1Add", list, resetOfficeWide);
}

bool WriteOwnExts(const std::string& ver, const std::string& list) {
    return WriteList(ver, "Level1RemoveUser", list, true);
}

bool ResetOfficeLevel1Add(const std::string& ver) {
    return ResetOfficeValue(ver, "Level1Add");
}

bool ResetOfficeLevel1Remove(const std::string& ver) {
    return ResetOfficeValue(ver, "Level1Remove");
}

}  // namespace brevolt::unblock
