#pragma once

#include <memory>
#include <string>
#include <vector>

#include "express/TIdent.h"
#include "registry/TIniFile.h"

// The program's shared state: one instance per process, used on the user interface thread only.
namespace brevolt::uGlobalVar {

extern std::string AppDir;  // the executable's directory, ending in a backslash
extern std::unique_ptr<registry::TIniFile>
    SettingsFile;                   // "main.ini", from InitGlobals to DoneGlobals
extern std::string SavedVersion;    // "LastVersion" as read at start
extern std::string CurrentVersion;  // "9.0", "10.0", "11.0", "6.0" (Outlook Express) or empty
extern bool Installed2000;
extern bool Installed2002;
extern bool Installed2003;
extern bool ExtListChanged;  // the unblocking grid has ticks not yet written
extern std::string UnblockedExts;
extern std::string BlockedExts;
extern std::string OwnExts;
extern std::vector<TIdent> Idents;
extern std::string CurrentIdent;  // the chosen identity's key under "Identities"
extern const std::string EditionLabel;

extern const std::string SettingsSection;     // "Brevolt"
extern const std::string LastVersionSetting;  // "LastVersion"

// Prepares the shared state for the program at `executablePath`; always true.
bool InitGlobals(const std::string& executablePath);
// Releases it; always true.
bool DoneGlobals();

// The directory part of a path, with its trailing backslash.
std::string DirectoryOf(const std::string& path);

}  // namespace brevolt::uGlobalVar
