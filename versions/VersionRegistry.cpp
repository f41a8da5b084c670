#include "versions/VersionRegistry.h"

#include "registry/Registry.h"

namespace brevolt::versions {
namespace {

const std::string kOfficeKey = "Software\\Microsoft\\Office\\";
const std::string kWriteTestKey = kOfficeKey + "0.0";

}  // namespace

bool IsOutlookInstalled(const std::string& key) {
    registry::Registry reg;
    const bool installed = reg.OpenPath(kOfficeKey + key + "\\Outlook", false);
    reg.ClosePath();
    return installed;
}

bool CanWriteOfficeKey() {
    registry::Registry reg;
    if (!reg.OpenPath(kWriteTestKey, true)) {
        return false;
    }
    reg.ClosePath();
    reg.RemovePath(kWriteTestKey);
    return true;
}

void EnsureOutlook9SecurityKey() {
    registry::Registry reg;
    reg.OpenPath(kOfficeKey + "9.0\\Outlook\\Security", true);
    reg.ClosePath();
}

}  // namespace brevolt::versions
