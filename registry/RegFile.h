#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registry/PlanningRegistry.h"

// The registry file format that regedit, "reg import" and Group Policy Preferences read.
namespace brevolt::registry {

// What a registry file holds: comment lines, values to set or remove, and keys to delete.
struct RegFileContent {
    std::vector<std::string> comments;  // after the first line, each written as "; <comment>"
    std::vector<PlannedChange> changes;
    std::vector<KeyPlace> removedKeys;  // in their order, after the values
};

// Where HKEY_LOCAL_MACHINE's 32-bit view is written. On 64-bit Windows, which this program
// runs on, the registry editor finds it under Software\Wow6432Node, and "reg import /reg:32"
// puts a file's Software\... there (and on 32-bit Windows, where there is no other view).
enum class MachineView { Wow6432Node, ImportedAs32Bit };

// The file, as bytes: "Windows Registry Editor Version 5.00", the comments, then each key in
// brackets with its values in the order given (a key once, where it first occurs), a removed
// value as "Name"=-, then each removed key as [-key]; UTF-16 LE with byte-order mark, CRLF line
// ends. Texts are quoted with "\" and a quote escaped; a text the format cannot quote (one
// holding a line break) and any other type than a text or a 4-byte number are written as
// hex(type):bytes.
std::string RegFileBytes(const RegFileContent& content, MachineView view);

// Reads a file that RegFileBytes wrote with MachineView::Wow6432Node back. Empty when the bytes
// are not such a file (another encoding, another first line, a line of another form, a key
// outside the two hives or with an empty name); `badLine` then tells the line, from 1.
std::optional<RegFileContent> ReadRegFile(std::string_view bytes, std::size_t& badLine);

}  // namespace brevolt::registry
