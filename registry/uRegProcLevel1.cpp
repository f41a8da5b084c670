#include "app/uGlobalVar.h"
#include "base/UpperCase.h"
#include "registry/Exceptions.h"
#include "registry/TRegistry.h"
#include "registry/uRegProc.h"
#include "unblock/ExtensionList.h"

namespace brevolt::uRegProc {
namespace {

const std::string kOutlookSecurity = "\\Outlook\\Security";
const std::string kOfficeSecurity = "\\Security";

std::string OfficeKey(const std::string& ver, const std::string& below) {
    return "Software\\Microsoft\\Office\\" + ver + below;
}

bool ReadList(const std::string& ver, const char* valueName, std::string& list) {
    if (ver.empty()) {
        return false;
    }
    bool opened = false;
    {
        registry::TRegistry reg;
        opened = reg.OpenPath(OfficeKey(ver, kOutlookSecurity), true);
        if (opened) {
            list = text::UpperCase(reg.ReadText(valueName));
        }
    }
    list = unblock::TrimListEnds(list);
    return opened;
}

bool WriteList(const std::string& ver, const char* valueName, const std::string& list) {
    if (ver.empty()) {
        return false;
    }
    registry::TRegistry reg;
    if (!reg.OpenPath(OfficeKey(ver, kOutlookSecurity), true)) {
        return false;
    }
    reg.WriteText(valueName, list);
    ResetOfficeLevel1Add(ver);
    return true;
}

bool ResetOfficeValue(const std::string& ver, const char* valueName) {
    registry::TRegistry reg;
    if (!reg.OpenPath(OfficeKey(ver, kOfficeSecurity), true)) {
        return false;
    }
    reg.RemoveValue(valueName);
    reg.WriteText(valueName, " ");
    return true;
}

}  // namespace

bool ReadUnblockedExts(const std::string& ver) {
    return ReadList(ver, "Level1Remove", uGlobalVar::UnblockedExts);
}

bool ReadBlockedExts(const std::string& ver) {
    try {
        return ReadList(ver, "Level1Add", uGlobalVar::BlockedExts);
    } catch (const registry::ERegistryException&) {
        // Read only to keep entries the page does not know: a value that is no text holds none,
        // and the save replaces it with the still-blocked list.
        uGlobalVar::BlockedExts.clear();
        return true;
    }
}

bool ReadOwnExts(const std::string& ver) {
    if (ver.empty()) {
        return false;
    }
    registry::TRegistry reg;
    if (!reg.OpenPath(OfficeKey(ver, kOutlookSecurity), true)) {
        return false;
    }
    // Kept exactly as stored: no command changes it, and the save writes it back unchanged.
    uGlobalVar::OwnExts = reg.ReadText("Level1RemoveUser");
    return true;
}

bool WriteUnblockedExts(const std::string& ver) {
    return WriteList(ver, "Level1Remove", uGlobalVar::UnblockedExts);
}

bool WriteBlockedExts(const std::string& ver) {
    return WriteList(ver, "Level1Add", uGlobalVar::BlockedExts);
}

bool WriteOwnExts(const std::string& ver) {
    return WriteList(ver, "Level1RemoveUser", uGlobalVar::OwnExts);
}

bool ResetOfficeLevel1Add(const std::string& ver) {
    return ResetOfficeValue(ver, "Level1Add");
}

bool ResetOfficeLevel1Remove(const std::string& ver) {
    return ResetOfficeValue(ver, "Level1Remove");
}

}  // namespace brevolt::uRegProc
