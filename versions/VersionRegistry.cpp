#include "versions/VersionRegistry.h"

#include "registry/Registry.h"
#include "versions/OutlookVersions.h"

namespace brevolt::versions {
namespace {

const std::string kWriteTestKey = OfficeKeyPath("0.0");
const std::string kClickToRunTree =
    "Software\\Microsoft\\Office\\ClickToRun\\REGISTRY\\MACHINE\\Software";
constexpr registry::Hive kMachineViews[] = {registry::Hive::LocalMachine64,
                                            registry::Hive::LocalMachine};

}  // namespace

bool IsOutlookInstalled(const std::string& key) {
    registry::Registry reg;
    const bool installed = reg.OpenPath(OfficeKeyPath(key, "\\Outlook"), false);
    reg.ClosePath();
    return installed;
}

bool HasClickToRunTree() {
    registry::Registry reg;
    for (const auto hive : kMachineViews) {
        reg.SetRoot(hive);
        if (reg.PathExists(kClickToRunTree)) {
            return true;
        }
    }
    return false;
}

bool IsOutlookInstalledOnMachine(const std::string& key, bool lookInClickToRun) {
    // Where Office's installers record Outlook's folder: an MSI installation in the registry view
    // of Office's bitness (32-bit Office on 64-bit Windows under Wow6432Node, which is what the
    // 32-bit view shows); a Click-to-Run installation in its own virtual registry below
    // ClickToRun\REGISTRY\MACHINE, which holds a Wow6432Node of its own for 32-bit Office.
    const std::string below = "Microsoft\\Office\\" + key + "\\Outlook\\InstallRoot";
    registry::Registry reg;
    for (const auto hive : kMachineViews) {
        reg.SetRoot(hive);
        if (reg.PathExists("Software\\" + below) ||
            (lookInClickToRun && (reg.PathExists(kClickToRunTree + "\\" + below) ||
                                  reg.PathExists(kClickToRunTree + "\\Wow6432Node\\" + below)))) {
            return true;
        }
    }
    return false;
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

}  // namespace brevolt::versions
