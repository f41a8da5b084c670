#pragma once

#include <array>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "registry/AllOrNothing.h"
#include "unblock/AttachmentPolicy.h"
#include "unblock/BlockedTypes.h"
#include "unblock/Level1Lists.h"
#include "versions/OutlookVersions.h"
#include "widgets/ColumnGrid.h"
#include "widgets/DialogService.h"

namespace brevolt::unblock {

// The page "Dateien freischalten": the grid of the version's blocked types whose ticks are the
// version's unblocked extensions, and the turning of stored lists into ticks and back.
class UnblockPage {
  public:
    UnblockPage(widgets::ColumnGrid& grid, widgets::DialogService& dialogs);

    // The empty grid with its headers, widths and sorting.
    void SetUpExtGrid();
    // Empties every cell and removes every check box.
    void ClearExtGrid();
    // Fills a row for each type of the version's catalogue, ticked when the unblocked list names
    // it, then adds a ticked row for each file type of the list that the catalogue does not know
    // ("Eigener Dateityp") and an unticked one for each type only the policy names; each row is
    // marked with what the policy does with it. Entries of the unblocked and blocked lists that
    // no row shows are kept, to be written back with the ticks.
    void FillExtGrid(const Level1Lists& lists, const versions::OutlookVersion& version,
                     const AttachmentPolicy& policy = {});
    // Rebuilds the lists from the ticks in the grid's row order, with a leading dot for the
    // versions that document their entries so. The unblocked list: the ticked rows, followed by
    // the kept entries. The blocked list, as the version's save writes it: the unticked catalogue
    // rows followed by the kept entries (Outlook 2000 to 2003), or the stored list without the
    // types now unblocked (2007 and later). False, and the lists untouched, when the grid holds
    // no filled rows: there is nothing to write then.
    bool HarvestExtGrid(Level1Lists& lists);
    void SetAllExtChecks(bool checked);
    // Ticks the row of this file type (upper-case, without dot), adding one of the user's own
    // when there is none; a change not yet saved. False when the grid holds no filled rows.
    bool AddExtension(const std::string& extension);
    // Offers to keep changed ticks for the version the grid was filled for; "Ja" writes what a
    // save writes of the lists. What was written, with the way back; nothing when nothing was.
    registry::WriteOutcome ConfirmPendingExtChanges(Level1Lists& lists);

    // The Level-1 part of "Speichern" for the version the grid was filled for: the harvest and
    // the writes of that version's save. Returns the names of the values that could not be
    // written.
    std::vector<std::string> SaveExtLists(Level1Lists& lists);

    // The user changed ticks that are not written yet.
    bool HasPendingChanges() const { return pending_; }
    // The ticks were written.
    void ForgetPendingChanges() { pending_ = false; }

    // Event handlers.
    void BoxToggled(int col, int row);
    void TickAll();
    void TickNone();

  private:
    // The texts a fill writes into its rows, loaded once rather than once a row.
    struct RowTexts {
        std::array<std::string, 3> ratings;  // the word of each Rating, in its order
        std::string ownType;                 // the description of a type of the user's own
        std::string policyType;              // the description of a type only the policy names
        std::string policyBlocked;           // the policy's marks
        std::string policyUnblocked;
    };

    void fillRow(int row, const std::string& extension, const std::string& description,
                 Rating rating, bool ticked);
    void addOwnRow(const std::string& extension, const std::string& description, bool ticked);
    // What the policy does with the type: its mark for the policy's column.
    std::string policyMark(const std::string& extension) const;
    int rowOf(const std::string& extension) const;
    // True when the type (upper case, without dot) has a row in the catalogue filled for, or is
    // empty: its entry named no type at all.
    bool inCatalogue(const std::string& type) const;
    // The writes of the version's save, the lists already harvested.
    std::vector<std::string> writeLists(const Level1Lists& lists) const;

    widgets::ColumnGrid& grid_;
    widgets::DialogService& dialogs_;
    std::optional<versions::OutlookVersion> filled_;  // the version last filled for
    bool pending_ = false;
    std::vector<std::string> keptUnblocked_;
    std::vector<std::string> keptBlocked_;
    std::string storedBlocked_;  // "Level1Add" as read when the grid was filled
    // The types the policy of the version last filled for blocks and unblocks.
    std::unordered_set<std::string> policyBlocked_;
    std::unordered_set<std::string> policyUnblocked_;
    RowTexts texts_;
};

}  // namespace brevolt::unblock
