#pragma once

#include <string>
#include <vector>

#include "registry/PlanningRegistry.h"

// The registry file format that regedit, "reg import" and Group Policy Preferences read.
namespace brevolt::registry {

// The file for these changes, as bytes: "Windows Registry Editor Version 5.00", then each key
// in brackets with its values in the order given (a key once, where it first occurs), a
// removed value as "Name"=-; UTF-16 LE with byte-order mark, CRLF line ends. Texts are quoted
// with "\" and a quote escaped; a text the format cannot quote (one holding a line break) and
// any other type than a text or a 4-byte number are written as hex(type):bytes.
// HKEY_LOCAL_MACHINE's 32-bit view is written as the path 64-bit Windows keeps it under
// (Software\Wow6432Node), where a 64-bit "reg import" puts it back.
std::string RegFileBytes(const std::vector<PlannedChange>& changes);

}  // namespace brevolt::registry
