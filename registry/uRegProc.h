#pragma once

#include <string>

// Every registry procedure of the program, one section per subsystem. Each creates its own
// TRegistry, opens one key, and releases both before it returns.
namespace brevolt::uRegProc {

// --- Outlook versions -------------------------------------------------------------------------

// True when "Software\Microsoft\Office\<key>\Outlook" can be opened (with full access).
bool IsOutlookInstalled(const std::string& key);
// The write test of a version switch: creates and deletes "Software\Microsoft\Office\0.0".
bool CanWriteOfficeKey();
// Creates "Software\Microsoft\Office\9.0\Outlook\Security" when it is missing; fails silently.
void EnsureOutlook9SecurityKey();

// --- Attachment unblocking: the Level-1 lists ---------------------------------------------------
// Each opens (creating) its key and returns whether it opened; an empty version key does nothing
// and returns false. Errors of the access layer (a value of the wrong type, a value that cannot
// be set) are not caught.

// "Level1Remove" of the version's Outlook security key, upper-cased, into UnblockedExts.
bool ReadUnblockedExts(const std::string& ver);
// "Level1Add" of the same key into BlockedExts, so that entries unknown to the page are kept.
bool ReadBlockedExts(const std::string& ver);
// "Level1RemoveUser" into OwnExts.
bool ReadOwnExts(const std::string& ver);
// The lists into their values; each then resets the Office-wide "Level1Add".
bool WriteUnblockedExts(const std::string& ver);
bool WriteBlockedExts(const std::string& ver);
bool WriteOwnExts(const std::string& ver);
// Deletes the Office-wide value and writes it anew as one blank.
bool ResetOfficeLevel1Add(const std::string& ver);
bool ResetOfficeLevel1Remove(const std::string& ver);

}  // namespace brevolt::uRegProc
