#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Extension lists as stored in the registry: extensions without dots separated by ";"
// (ADE;BAT;CHM).
namespace brevolt::unblock {

// The list as read: at most one ";" removed at its start and one at its end, nothing else.
std::string TrimListEnds(std::string list);

// The list's entries: what stands between the separators, without surrounding blanks and
// without one leading dot. Empty entries are left out.
std::vector<std::string> ListEntries(std::string_view list);

// The list's entries as stored: what stands between the separators, without surrounding blanks.
// Empty entries are left out.
std::vector<std::string> StoredEntries(std::string_view list);

// An entry as an extension: without one leading dot (and the blanks after it).
std::string ExtensionOf(std::string_view entry);

// True when one entry of the list is exactly the extension.
bool ListContains(std::string_view list, std::string_view extension);

// A file type the user may name: 1 to 32 letters (A to Z), digits, "-" and "_", after at most one
// leading dot, which is dropped; upper-cased. Nothing for anything else.
std::optional<std::string> OwnExtension(std::string_view text);
// Why the text names no such file type, in German; empty when it does.
std::string OwnExtensionProblem(std::string_view text);
// True when the text names such a file type (OwnExtension without the copy).
bool IsOwnExtension(std::string_view text);

// Joins with ";" between entries.
std::string JoinList(const std::vector<std::string>& entries);

}  // namespace brevolt::unblock
