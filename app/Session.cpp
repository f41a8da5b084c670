#include "app/Session.h"

#include "resources/Texts.h"
#include "versions/OutlookVersions.h"
#include "versions/VersionRegistry.h"

namespace brevolt {

const char* const kSettingsSection = "Brevolt";
const char* const kLastVersionSetting = "LastVersion";

std::string EditionLabel() {
    return resources::LoadText(resources::TextId::EditionLabel);
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void PrepareSession(Session& session, const std::string& executablePath) {
    session.appDir = DirectoryOf(executablePath);
    session.settingsFile = std::make_unique<registry::IniFile>(session.appDir + "main.ini");
    session.savedVersion =
        session.settingsFile->ReadSetting(kSettingsSection, kLastVersionSetting, "");
    session.installed.clear();
    const bool clickToRun = versions::HasClickToRunTree();  // one look for all versions
    for (const auto& row : versions::OutlookVersions) {
        session.installed.push_back(versions::IsOutlookInstalled(row.key) ||
                                    versions::IsOutlookInstalledOnMachine(row.key, clickToRun));
    }
}

void ReleaseSession(Session& session) {
    session.settingsFile.reset();
}

}  // namespace brevolt
