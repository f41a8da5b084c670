#pragma once

#include <memory>
#include <string>
#include <vector>

#include "registry/IniFile.h"
#include "unblock/Level1Lists.h"

namespace brevolt {

// The program's state for one run: made at start, owned by the start-up, and passed by
// reference to what needs it. Used on the user interface thread only.
struct Session {
    std::string appDir;  // the executable's directory, ending in a backslash
    std::unique_ptr<registry::IniFile> settingsFile;  // "main.ini", while prepared
    std::string savedVersion;                         // "LastVersion" as read at start
    std::string currentVersion;   // a key of the version table, "6.0" (Outlook Express) or empty
    std::vector<bool> installed;  // per row of the version table
    unblock::Level1Lists lists;   // of the version the unblocking page was last filled for
};

extern const char* const kSettingsSection;     // "Brevolt"
extern const char* const kLastVersionSetting;  // "LastVersion"

// The program's edition, as the title shows it.
std::string EditionLabel();

// Prepares the session for the program at `executablePath`: its directory, "main.ini", the saved
// version and the installed versions.
void PrepareSession(Session& session, const std::string& executablePath);
// Lets "main.ini" go.
void ReleaseSession(Session& session);

// The directory part of a path, with its trailing backslash.
std::string DirectoryOf(const std::string& path);

}  // namespace brevolt
