#pragma once

#include <string>

#include "widgets/DropDownList.h"

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
// "Level1Add" of the same key into BlockedExts, so that entries unknown to the page are kept. A
// value that is no text holds no such entries: BlockedExts is emptied and nothing is raised.
bool ReadBlockedExts(const std::string& ver);
// "Level1RemoveUser" into OwnExts exactly as stored (no case change, no trimming).
bool ReadOwnExts(const std::string& ver);
// The lists into their values; each then resets the Office-wide "Level1Add".
bool WriteUnblockedExts(const std::string& ver);
bool WriteBlockedExts(const std::string& ver);
bool WriteOwnExts(const std::string& ver);
// Deletes the Office-wide value and writes it anew as one blank.
bool ResetOfficeLevel1Add(const std::string& ver);
bool ResetOfficeLevel1Remove(const std::string& ver);

// --- Outlook options
// ------------------------------------------------------------------------------ Each works on
// "Software\Microsoft\Office\<ver>" and a key of its own below it, opened (and created) with full
// access. A read gives whether the option's item is ticked; a failure of any kind reads as false. A
// write stores the option's state and gives whether it did; it never raises. An empty version key
// reads false and writes nothing.

bool GetMinToTray(const std::string& ver);
bool GetShowBcc(const std::string& ver);
bool GetAdaptiveMenus(const std::string& ver);
bool GetErrorReports(const std::string& ver);
bool GetIMEnabled(const std::string& ver);
bool GetReadAsPlain(const std::string& ver);
bool GetEnablePresence(const std::string& ver);
// True unless auto-archiving is on (DoAging 1): the opposite sense of SetDoAging's argument.
bool GetDoAging(const std::string& ver);
bool GetWarnDelete(const std::string& ver);
bool GetCheckDefaultClient(const std::string& ver);
bool GetSharedFolderScript(const std::string& ver);
bool GetPublicFolderScript(const std::string& ver);
bool GetPontString(const std::string& ver);
bool GetBlockExtContent(const std::string& ver);

bool SetMinToTray(const std::string& ver, bool on);
bool SetShowBcc(const std::string& ver, bool on);
bool SetAdaptiveMenus(const std::string& ver, bool on);
bool SetErrorReports(const std::string& ver, bool on);
bool SetIMEnabled(const std::string& ver, bool on);
bool SetReadAsPlain(const std::string& ver, bool on);
bool SetEnablePresence(const std::string& ver, bool on);
// `on`: auto-archiving on (DoAging 1).
bool SetDoAging(const std::string& ver, bool on);
bool SetWarnDelete(const std::string& ver, bool on);
bool SetCheckDefaultClient(const std::string& ver, bool on);
bool SetSharedFolderScript(const std::string& ver, bool on);
bool SetPublicFolderScript(const std::string& ver, bool on);
bool SetPontString(const std::string& ver, bool on);
bool SetBlockExtContent(const std::string& ver, bool on);

// --- Outlook Express
// -------------------------------------------------------------------------------- Five
// machine-wide values under HKEY_LOCAL_MACHINE\Software\Microsoft\Outlook Express (32-bit view) and
// "UseOutlook" under HKEY_CURRENT_USER\Software\Microsoft\WAB\WAB4. A read creates the key when it
// is missing and gives the item's tick; any failure reads as unticked. A write stores the value for
// the tick and gives whether it did; it never raises.

bool ReadBlockExeAttachments();
bool ReadNoModifyAccts();
bool ReadHttpMailEnabled();
bool ReadDisableHotmail();
bool ReadHideMessenger();
bool ReadUseOutlookContacts();

bool WriteBlockExeAttachments(bool ticked);
bool WriteNoModifyAccts(bool ticked);
bool WriteHttpMailEnabled(bool ticked);
bool WriteDisableHotmail(bool ticked);
bool WriteHideMessenger(bool ticked);
bool WriteUseOutlookContacts(bool ticked);

// --- Mail identities
// -------------------------------------------------------------------------------

// Lists the identities of "Identities" into Idents (in enumeration order) and the drop-down list
// (the one with "Identity Ordinal" 1 first). A value of the wrong type or a missing ordinal raises
// the access layer's error and ends the listing with what was added so far.
void LoadIdentities(widgets::DropDownList& dropDown);

// The four options of the identity whose listed key CurrentIdent names. Reads create the identity's
// mail or browser key; writes never create it. An identity id that is empty or holds a backslash
// names no key of its own: reads give the value-missing state and touch nothing, writes write
// nothing.
bool ReadDisableScriptDebugger();
bool ReadShowAdvMailSend();
bool ReadSafeAttachments();
bool ReadWarnOnMapiSend();

bool WriteDisableScriptDebugger(bool ticked);
bool WriteShowAdvMailSend(bool ticked);
bool WriteSafeAttachments(bool ticked);
bool WriteWarnOnMapiSend(bool ticked);

}  // namespace brevolt::uRegProc
