#include "app/uGlobalVar.h"

#include "registry/uRegProc.h"
#include "resources/Texts.h"
#include "versions/uOutlookVersions.h"

namespace brevolt::uGlobalVar {

std::string AppDir;
std::unique_ptr<registry::TIniFile> SettingsFile;
std::string SavedVersion;
std::string CurrentVersion;
bool Installed2000 = false;
bool Installed2002 = false;
bool Installed2003 = false;
bool ExtListChanged = false;
std::string UnblockedExts;
std::string BlockedExts;
std::string OwnExts;
std::vector<TIdent> Idents;
std::string CurrentIdent;
const std::string EditionLabel = resources::LoadText(resources::TextId::EditionLabel);

const std::string SettingsSection = "Brevolt";
const std::string LastVersionSetting = "LastVersion";

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool InitGlobals(const std::string& executablePath) {
    AppDir = DirectoryOf(executablePath);
    SettingsFile = std::make_unique<registry::TIniFile>(AppDir + "main.ini");
    SavedVersion = SettingsFile->ReadSetting(SettingsSection, LastVersionSetting, "");
    const auto& rows = uOutlookVersions::OutlookVersions;
    Installed2000 = uRegProc::IsOutlookInstalled(rows[0].Key);
    Installed2002 = uRegProc::IsOutlookInstalled(rows[1].Key);
    Installed2003 = uRegProc::IsOutlookInstalled(rows[2].Key);
    return true;
}

bool DoneGlobals() {
    Idents.clear();
    SettingsFile.reset();
    return true;
}

}  // namespace brevolt::uGlobalVar
