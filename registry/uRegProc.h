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

}  // namespace brevolt::uRegProc
