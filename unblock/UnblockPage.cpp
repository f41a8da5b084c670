#include "unblock/UnblockPage.h"

#include <algorithm>

#include "base/UpperCase.h"
#include "resources/Texts.h"
#include "unblock/Catalogue.h"
#include "unblock/ExtensionList.h"
#include "versions/OutlookVersions.h"
#include "widgets/CellMarkup.h"

namespace brevolt::unblock {
namespace {

using resources::LoadText;
using resources::TextId;
using unblock::Catalogue;

constexpr int kCheckColumn = 0;
constexpr int kExtensionColumn = 1;
constexpr int kDescriptionColumn = 2;
constexpr int kRatingColumn = 3;
constexpr int kPolicyColumn = 4;
constexpr int kColumns = 5;
constexpr int kRows = static_cast<int>(unblock::kCatalogueSize) + 1;

std::string RatingMarkup(const std::string& extension) {
    const auto rating = unblock::RateExtension(extension);
    return widgets::ColouredText(rating.word,
                                 rating.colour == unblock::RatingColour::Red ? "clRed" : "clBlue");
}

bool InCatalogue(const std::string& entry) {
    const std::string extension = ExtensionOf(entry);
    return extension.empty() ||
           std::any_of(Catalogue.begin(), Catalogue.end(),
                       [&](const auto& row) { return row.extension == extension; });
}

// The entries of a stored list that no catalogue row shows, in their order and as stored.
std::vector<std::string> EntriesOutsideCatalogue(const std::string& list) {
    std::vector<std::string> kept = StoredEntries(list);
    kept.erase(std::remove_if(kept.begin(), kept.end(), InCatalogue), kept.end());
    return kept;
}

bool Contains(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// What the policy does with this extension, whatever the tick says: the policy's blocking wins
// over its unblocking.
std::string PolicyMark(const AttachmentPolicy& policy, const std::string& extension) {
    if (Contains(policy.blocked, extension)) {
        return LoadText(TextId::ExtPolicyBlocked);
    }
    return Contains(policy.unblocked, extension) ? LoadText(TextId::ExtPolicyUnblocked)
                                                 : std::string();
}

std::string WithKept(std::vector<std::string> entries, const std::vector<std::string>& kept) {
    entries.insert(entries.end(), kept.begin(), kept.end());
    return JoinList(entries);
}

}  // namespace

UnblockPage::UnblockPage(widgets::ColumnGrid& grid, widgets::DialogService& dialogs)
    : grid_(grid), dialogs_(dialogs) {}

void UnblockPage::SetUpExtGrid() {
    const widgets::BatchedUpdate update(grid_);
    filledVersion_.clear();
    grid_.Reset(kColumns, kRows);
    grid_.SetCellText(kCheckColumn, 0, LoadText(TextId::ExtHeaderUnblocked));
    grid_.SetCellText(kExtensionColumn, 0, LoadText(TextId::ExtHeaderExtension));
    grid_.SetCellText(kDescriptionColumn, 0, LoadText(TextId::ExtHeaderProgram));
    grid_.SetCellText(kRatingColumn, 0, LoadText(TextId::ExtHeaderRating));
    grid_.SetCellText(kPolicyColumn, 0, LoadText(TextId::ExtHeaderPolicy));
    grid_.SetColumnWidth(kCheckColumn, 160);
    grid_.SetColumnWidth(kExtensionColumn, 100);
    grid_.SetColumnWidth(kDescriptionColumn, 100);
    grid_.SetColumnWidth(kRatingColumn, 100);
    grid_.SetColumnWidth(kPolicyColumn, 100);
    grid_.SetColumnAlignment(kCheckColumn, widgets::Alignment::Centre);
    grid_.EnableSorting(kCheckColumn);
    grid_.SetColumnComparison(kExtensionColumn, [](const auto& a, const auto& b) {
        return text::UpperCase(a.text) < text::UpperCase(b.text);
    });
    for (const int col : {kExtensionColumn, kDescriptionColumn, kRatingColumn, kPolicyColumn}) {
        grid_.SetReadOnly(col, true);
    }
}

void UnblockPage::ClearExtGrid() {
    filledVersion_.clear();
    grid_.ClearCells();
}

void UnblockPage::FillExtGrid(const Level1Lists& lists, const std::string& ver,
                              const AttachmentPolicy& policy) {
    const widgets::BatchedUpdate update(grid_);
    policy_ = policy;
    for (int row = 1; row < kRows; ++row) {
        const auto& entry = Catalogue[row - 1];
        fillRow(row, entry.extension, entry.description,
                ListContains(lists.unblocked, entry.extension));
    }
    // Entries the catalogue does not know: a file type the user may name gets a row of its own,
    // ticked, in stored order; anything else is kept as stored, to be written back.
    keptUnblocked_.clear();
    for (const auto& entry : EntriesOutsideCatalogue(lists.unblocked)) {
        const auto extension = OwnExtension(entry);
        if (!extension) {
            keptUnblocked_.push_back(entry);
        } else if (rowOf(*extension) < 0) {
            fillRow(grid_.AddRows(1), *extension, LoadText(TextId::ExtOwnType), true);
        }
    }
    for (const int col : {kCheckColumn, kExtensionColumn, kDescriptionColumn}) {
        grid_.FitColumnToContent(col);
    }
    // The policy's column takes room only when a policy marks a row.
    if (policy.blocked.empty() && policy.unblocked.empty()) {
        grid_.SetColumnWidth(kPolicyColumn, 0);
    } else {
        grid_.FitColumnToContent(kPolicyColumn);
    }
    filledVersion_ = ver;
    keptBlocked_ = EntriesOutsideCatalogue(lists.blocked);
}

void UnblockPage::fillRow(int row, const std::string& extension, const std::string& description,
                          bool ticked) {
    grid_.AddCheckBox(kCheckColumn, row, ticked);
    grid_.SetCellText(kExtensionColumn, row, extension);
    grid_.SetCellText(kDescriptionColumn, row, description);
    grid_.SetCellText(kRatingColumn, row, RatingMarkup(extension));
    grid_.SetCellText(kPolicyColumn, row, PolicyMark(policy_, extension));
}

int UnblockPage::rowOf(const std::string& extension) const {
    for (int row = 1; row < grid_.RowCount(); ++row) {
        if (grid_.CellText(kExtensionColumn, row) == extension) {
            return row;
        }
    }
    return -1;
}

bool UnblockPage::AddExtension(const std::string& extension) {
    if (filledVersion_.empty()) {
        return false;
    }
    const widgets::BatchedUpdate update(grid_);
    const int row = rowOf(extension);
    if (row >= 0) {
        grid_.SetChecked(kCheckColumn, row, true);
    } else {
        fillRow(grid_.AddRows(1), extension, LoadText(TextId::ExtOwnType), true);
        grid_.FitColumnToContent(kExtensionColumn);
    }
    pending_ = true;
    return true;
}

bool UnblockPage::HarvestExtGrid(Level1Lists& lists) {
    if (filledVersion_.empty()) {
        return false;
    }
    const std::string prefix = versions::WritesDottedListEntries(filledVersion_) ? "." : "";
    std::vector<std::string> unblocked;
    std::vector<std::string> blocked;
    std::vector<std::string> ownUnblocked;
    for (int row = 1; row < grid_.RowCount(); ++row) {
        const std::string& extension = grid_.CellText(kExtensionColumn, row);
        const bool own = !InCatalogue(extension);
        if (grid_.IsChecked(kCheckColumn, row)) {
            unblocked.push_back(prefix + extension);
            if (own) {
                ownUnblocked.push_back(extension);
            }
        } else if (!own) {
            // An unticked type of the user's own goes nowhere: adding it to the blocked list
            // would block a type that Outlook may not block at all.
            blocked.push_back(prefix + extension);
        }
    }
    // A kept blocked entry of a type the user has just unblocked would contradict the tick.
    std::vector<std::string> keptBlocked;
    for (const auto& entry : keptBlocked_) {
        if (!Contains(ownUnblocked, text::UpperCase(ExtensionOf(entry)))) {
            keptBlocked.push_back(entry);
        }
    }
    lists.unblocked = WithKept(std::move(unblocked), keptUnblocked_);
    lists.blocked = WithKept(std::move(blocked), keptBlocked);
    return true;
}

void UnblockPage::SetAllExtChecks(bool checked) {
    const widgets::BatchedUpdate update(grid_);
    for (int row = 1; row < grid_.RowCount(); ++row) {
        grid_.SetChecked(kCheckColumn, row, checked);
    }
}

void UnblockPage::ConfirmPendingExtChanges(Level1Lists& lists) {
    if (!pending_) {
        return;
    }
    // Ticks of an unfilled grid are no choice of the user's: nothing to offer.
    if (!filledVersion_.empty() && dialogs_.ShowMessage(widgets::MessageKind::Confirmation,
                                                        LoadText(TextId::CaptionConfirmation),
                                                        LoadText(TextId::ExtKeepChanges))) {
        const std::string ver = filledVersion_;
        ResetOfficeLevel1Add(ver);
        HarvestExtGrid(lists);
        WriteUnblockedExts(ver, lists.unblocked);
    }
    pending_ = false;
}

std::vector<std::string> UnblockPage::SaveExtLists(const std::string& ver, Level1Lists& lists) {
    std::vector<std::string> notSaved;
    if (!HarvestExtGrid(lists)) {
        return notSaved;
    }
    const auto note = [&](bool written, const std::string& valueName) {
        if (!written && std::find(notSaved.begin(), notSaved.end(), valueName) == notSaved.end()) {
            notSaved.push_back(valueName);
        }
    };
    note(ResetOfficeLevel1Add(ver), "Level1Add");
    note(ResetOfficeLevel1Remove(ver), "Level1Remove");
    note(WriteUnblockedExts(ver, lists.unblocked), "Level1Remove");
    note(WriteBlockedExts(ver, lists.blocked), "Level1Add");
    note(WriteOwnExts(ver, lists.own), "Level1RemoveUser");
    return notSaved;
}

void UnblockPage::BoxToggled(int /*col*/, int /*row*/) {
    pending_ = true;
}

void UnblockPage::TickAll() {
    SetAllExtChecks(true);
    pending_ = true;
}

void UnblockPage::TickNone() {
    SetAllExtChecks(false);
    pending_ = true;
}

}  // namespace brevolt::unblock
