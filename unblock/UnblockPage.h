#pragma once

#include <string>
#include <vector>

#include "widgets/ColumnGrid.h"
#include "widgets/DialogService.h"

namespace brevolt::unblock {

// The page "Dateien freischalten": the grid of catalogue rows whose ticks are the version's
// unblocked extensions, and the turning of stored lists into ticks and back.
class UnblockPage {
  public:
    UnblockPage(widgets::ColumnGrid& grid, widgets::DialogService& dialogs);

    // The empty 4 x 39 grid with its headers, widths and sorting.
    void SetUpExtGrid();
    // Empties every cell and removes every check box.
    void ClearExtGrid();
    // Fills the catalogue rows from UnblockedExts for CurrentVersion. Entries of UnblockedExts and
    // BlockedExts that no row shows are kept, to be written back with the ticks.
    void FillExtGrid();
    // Rebuilds UnblockedExts (ticked rows) and BlockedExts (the others) in the grid's row order,
    // each followed by its kept entries. False, and the lists untouched, when the grid holds no
    // filled rows: there is nothing to write then.
    bool HarvestExtGrid();
    void SetAllExtChecks(bool checked);
    // Offers to keep changed ticks for the version the grid was filled for.
    void ConfirmPendingExtChanges();

    // The Level-1 part of "Speichern" for this version: the harvest, the Office-wide resets and
    // the three lists, in this order. Returns the names of the values that could not be written.
    std::vector<std::string> SaveExtLists(const std::string& ver);

    // Event handlers.
    void AdvColumnGrid1CheckBoxClick(int col, int row);
    void Alle1Click();
    void Keine1Click();

  private:
    widgets::ColumnGrid& grid_;
    widgets::DialogService& dialogs_;
    std::string filledVersion_;  // the version last filled for; empty: no filled rows
    std::vector<std::string> keptUnblocked_;
    std::vector<std::string> keptBlocked_;
};

}  // namespace brevolt::unblock
