#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/LocalTime.h"
#include "registry/AllOrNothing.h"
#include "registry/PlanningRegistry.h"

namespace brevolt {

// The way back from the program's writes of one run: every value they wrote as it stood before
// the first of them, and the keys they created. Kept beside the program as a registry file that
// the registry editor can import too.
struct SaveUndo {
    LocalTime savedAt;                            // the last write
    std::vector<registry::PlannedChange> values;  // empty value: it did not exist
    std::vector<registry::KeyPlace> createdKeys;  // deepest first
};

// The file's name beside the program.
extern const char* const kUndoFileName;

// Adds what a successful write replaced: the values and keys not yet in the record (a value
// written twice keeps the state before the first write).
void AddToUndo(SaveUndo& undo, const registry::WriteOutcome& outcome);

// The file: a comment that names the save's date and time and says what the file does, each
// value as it stood (a value that did not exist as "Name"=-), and each created key as [-key].
// Importing it in the registry editor deletes such a key with whatever is below it; the
// program's own undo removes it only when nothing is left in it.
std::string UndoFileBytes(const SaveUndo& undo);

// The record in a file's bytes; empty when they are not such a file or are damaged, `problem`
// then says why in the user's words.
std::optional<SaveUndo> ReadUndoFile(std::string_view bytes, std::string& problem);

// "11.12.2026 um 09:30 Uhr".
std::string DateTimeText(const LocalTime& time);

}  // namespace brevolt
