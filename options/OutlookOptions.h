#pragma once

#include <string>

// The 14 further Outlook options, each read and written for a version key.
namespace brevolt::options {

// Each works on "Software\Microsoft\Office\<ver>" and a key of its own below it, opened (and
// created) with full access. A read gives whether the option's item is ticked; a failure of any
// kind reads as false. A write stores the option's state and gives whether it did; it never raises.
// An empty version key reads false and writes nothing.

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

}  // namespace brevolt::options
