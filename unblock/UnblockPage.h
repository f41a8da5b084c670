#pragma once

#include <string>
#include <vector>

#include "unblock/AttachmentPolicy.h"
#include "unblock/Level1Lists.h"
#include "widgets/ColumnGrid.h"
#include "widgets/DialogService.h"

namespace brevolt::unblock {

// The page "Dateien freischalten": the grid of catalogue rows whose ticks are the version's
// unblocked extensions, and the turning of stored lists into ticks and back.
class UnblockPage {
  public:
    UnblockPage(widgets::ColumnGrid& grid, widgets::DialogService& dialogs);

    // The empty 5 x 39 grid with its headers, widths and sorting.
    void SetUpExtGrid();
    // Empties every cell and removes every check box.
    void ClearExtGrid();
    // Fills the catalogue rows from the unblocked list of version `ver`, then adds a ticked row
    // for each file type of the list that the catalogue does not know ("Eigener Dateityp"); each
    // row is marked with what the policy does with it. Entries of the unblocked and blocked lists
    // that no row shows are kept, to be written back with the ticks.
    void FillExtGrid(const Level1Lists& lists, const std::string& ver,
                     const AttachmentPolicy& policy = {});
    // Rebuilds the unblocked list (ticked rows) and the blocked one (the unticked catalogue rows)
    // in the grid's row order, each followed by its kept entries; with a leading dot for the
    // versions that document their entries so. False, and the lists untouched, when the grid
    // holds no filled rows: there is nothing to write then.
    bool HarvestExtGrid(Level1Lists& lists);
    void SetAllExtChecks(bool checked);
    // Ticks the row of this file type (upper-case, without dot), adding one of the user's own
    // when there is none; a change not yet saved. False when the grid holds no filled rows.
    bool AddExtension(const std::string& extension);
    // Offers to keep changed ticks for the version the grid was filled for.
    void ConfirmPendingExtChanges(Level1Lists& lists);

    // The Level-1 part of "Speichern" for this version: the harvest, the Office-wide resets and
    // the three lists, in this order. Returns the names of the values that could not be written.
    std::vector<std::string> SaveExtLists(const std::string& ver, Level1Lists& lists);

    // The user changed ticks that are not written yet.
    bool HasPendingChanges() const { return pending_; }
    // The ticks were written.
    void ForgetPendingChanges() { pending_ = false; }

    // Event handlers.
    void BoxToggled(int col, int row);
    void TickAll();
    void TickNone();

  private:
    void fillRow(int row, const std::string& extension, const std::string& description,
                 bool ticked);
    int rowOf(const std::string& extension) const;

    widgets::ColumnGrid& grid_;
    widgets::DialogService& dialogs_;
    std::string filledVersion_;  // the version last filled for; empty: no filled rows
    bool pending_ = false;
    std::vector<std::string> keptUnblocked_;
    std::vector<std::string> keptBlocked_;
    AttachmentPolicy policy_;  // of the version last filled for
};

}  // namespace brevolt::unblock
