#pragma once

#include <string>

#include "express/Identity.h"

// The user's Outlook Express mail identities under HKEY_CURRENT_USER\Identities, and four
// options of each.
namespace brevolt::express {

// Lists the identities into `listing`, which it empties first: in enumeration order, and to choose
// from with those of "Identity Ordinal" 1 first. A value of the wrong type or a missing ordinal
// raises the access layer's error and ends the listing with what was added so far.
void ListIdentities(IdentityListing& listing);

// The four options of the identity listed from `identityKey`. Reads open the identity's mail or
// browser key for reading and create nothing; writes create it, but only below an identity key
// that exists. A key that is empty or holds a backslash names no
// identity's own key: reads give the value-missing state and touch nothing, writes write nothing.
bool ReadDisableScriptDebugger(const std::string& identityKey);
bool ReadShowAdvMailSend(const std::string& identityKey);
bool ReadSafeAttachments(const std::string& identityKey);
bool ReadWarnOnMapiSend(const std::string& identityKey);

bool WriteDisableScriptDebugger(const std::string& identityKey, bool ticked);
bool WriteShowAdvMailSend(const std::string& identityKey, bool ticked);
bool WriteSafeAttachments(const std::string& identityKey, bool ticked);
bool WriteWarnOnMapiSend(const std::string& identityKey, bool ticked);

}  // namespace brevolt::express
