#pragma once

#include <optional>
#include <string>

// The Level-1 lists of an Outlook version in the registry: which attachment types the user has
// unblocked ("Level1Remove"), which stay blocked ("Level1Add") and the user's own list
// ("Level1RemoveUser"), under Software\Microsoft\Office\<ver>\Outlook\Security, and the
// Office-wide "Level1Add" and "Level1Remove" under Software\Microsoft\Office\<ver>\Security.
//
// A read opens its key for reading and creates nothing: a key that cannot be opened holds an
// empty list, and an empty version key gives nothing. A write opens (creating) its key, gives
// whether the key opened, and does nothing for an empty version key. Errors of the access layer (a
// value of the wrong type, a value that cannot be set) are not caught, unless said otherwise.
namespace brevolt::unblock {

// The lists of one version, extensions without dots separated by ";".
struct Level1Lists {
    std::string unblocked;  // "Level1Remove"
    std::string blocked;    // "Level1Add"
    std::string own;        // "Level1RemoveUser"
};

// "Level1Remove", upper-cased, with one ";" trimmed at each end.
std::optional<std::string> ReadUnblockedExts(const std::string& ver);
// "Level1Add" exactly as stored, so that the entries the page does not show are kept as they
// are. A value that is no text holds no such entries: it reads as empty and nothing is raised.
std::optional<std::string> ReadBlockedExts(const std::string& ver);
// "Level1RemoveUser" exactly as stored (no case change, no trimming).
std::optional<std::string> ReadOwnExts(const std::string& ver);

// The list into its value; each then resets the Office-wide "Level1Add", unless told not to
// (Outlook 2007 and later have no such list).
bool WriteUnblockedExts(const std::string& ver, const std::string& list,
                        bool resetOfficeWide = true);
bool WriteBlockedExts(const std::string& ver, const std::string& list, bool resetOfficeWide = true);
bool WriteOwnExts(const std::string& ver, const std::string& list);
// Deletes the Office-wide value and writes it anew as one blank.
bool ResetOfficeLevel1Add(const std::string& ver);
bool ResetOfficeLevel1Remove(const std::string& ver);

}  // namespace brevolt::unblock
