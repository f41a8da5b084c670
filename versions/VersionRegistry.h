#pragma once

#include <string>

// What a version switch asks of the registry.
namespace brevolt::versions {

// True when "Software\Microsoft\Office\<key>\Outlook" can be opened (with full access).
bool IsOutlookInstalled(const std::string& key);
// True when HKEY_LOCAL_MACHINE holds the registry tree of a Click-to-Run installation, in either
// registry view. Only reads.
bool HasClickToRunTree();
// True when the machine has this version of Outlook installed: its "InstallRoot" key exists in
// HKEY_LOCAL_MACHINE, in either registry view, or in the tree of a Click-to-Run installation
// (looked in only when asked: most machines have none). Only reads.
bool IsOutlookInstalledOnMachine(const std::string& key, bool lookInClickToRun = true);
// The write test of a version switch: creates and deletes "Software\Microsoft\Office\0.0".
bool CanWriteOfficeKey();

}  // namespace brevolt::versions
