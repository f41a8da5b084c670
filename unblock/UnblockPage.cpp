#include "unblock/UnblockPage.h"

#include <algorithm>
#include <set>

#include "base/UpperCase.h"
#include "registry/AllOrNothing.h"
#include "registry/PlanningRegistry.h"
#include "resources/Texts.h"
#include "unblock/ExtensionList.h"

namespace brevolt::unblock {
namespace {

using resources::LoadText;
using resources::TextId;

constexpr int kCheckColumn = 0;
constexpr int kExtensionColumn = 1;
constexpr int kDescriptionColumn = 2;
constexpr int kRatingColumn = 3;
constexpr int kPolicyColumn = 4;
constexpr int kColumns = 5;

widgets::TextTone ToneOf(Rating rating) {
    switch (rating) {
        case Rating::Dangerous:
            return widgets::TextTone::Alarm;
        case Rating::Normal:
            return widgets::TextTone::Calm;
        case Rating::Unknown:
            break;
    }
    return widgets::TextTone::Faint;
}

bool Contains(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// The type an entry of a stored list names: without its dot, upper-cased.
std::string TypeOf(const std::string& entry) {
    return text::UpperCase(ExtensionOf(entry));
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
    filled_.reset();
    grid_.Reset(kColumns, 0);
    grid_.SetHeaderText(kCheckColumn, LoadText(TextId::ExtHeaderUnblocked));
    grid_.SetHeaderText(kExtensionColumn, LoadText(TextId::ExtHeaderExtension));
    grid_.SetHeaderText(kDescriptionColumn, LoadText(TextId::ExtHeaderProgram));
    grid_.SetHeaderText(kRatingColumn, LoadText(TextId::ExtHeaderRating));
    grid_.SetHeaderText(kPolicyColumn, LoadText(TextId::ExtHeaderPolicy));
    grid_.SetColumnWidth(kCheckColumn, 160);
    grid_.SetColumnWidth(kExtensionColumn, 100);
    grid_.SetColumnWidth(kDescriptionColumn, 100);
    grid_.SetColumnWidth(kRatingColumn, 100);
    grid_.SetColumnWidth(kPolicyColumn, 100);
    // The description takes what the other columns leave; a long type of the user's own is cut
    // rather than push the rating and the policy out of sight.
    grid_.SetFillColumn(kDescriptionColumn);
    grid_.SetColumnMaxWidth(kExtensionColumn, 130);
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
    filled_.reset();
    grid_.ClearCells();
}

void UnblockPage::FillExtGrid(const Level1Lists& lists, const versions::OutlookVersion& version,
                              const AttachmentPolicy& policy) {
    const widgets::BatchedUpdate update(grid_);
    filled_ = version;
    policy_ = policy;
    const auto& catalogue = BlockedTypesOf(version.blockedTypes);
    const int first = grid_.AddRows(static_cast<int>(catalogue.size()));
    const auto unblocked = ListEntries(lists.unblocked);
    const std::set<std::string> ticked(unblocked.begin(), unblocked.end());
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const auto& type = catalogue[i];
        fillRow(first + static_cast<int>(i), type.extension, type.description, type.rating,
                ticked.count(type.extension) > 0);
    }
    // Entries the catalogue does not know: a file type the user may name gets a row of its own,
    // ticked, in stored order; anything else is kept as stored, to be written back.
    keptUnblocked_.clear();
    for (const auto& entry : StoredEntries(lists.unblocked)) {
        if (inCatalogue(entry)) {
            continue;
        }
        const auto extension = OwnExtension(entry);
        if (!extension) {
            keptUnblocked_.push_back(entry);
        } else if (rowOf(*extension) < 0) {
            addOwnRow(*extension, LoadText(TextId::ExtOwnType), true);
        }
    }
    // A type the policy names gets a row, so that the user learns what the policy does with it.
    for (const auto* named : {&policy.blocked, &policy.unblocked}) {
        for (const auto& extension : *named) {
            if (OwnExtension(extension) && rowOf(extension) < 0) {
                addOwnRow(extension, LoadText(TextId::ExtPolicyType), false);
            }
        }
    }
    for (const int col : {kCheckColumn, kExtensionColumn, kRatingColumn}) {
        grid_.FitColumnToContent(col);
    }
    // The policy's column takes room only when a policy marks a row.
    if (policy.blocked.empty() && policy.unblocked.empty()) {
        grid_.SetColumnWidth(kPolicyColumn, 0);
    } else {
        grid_.FitColumnToContent(kPolicyColumn);
    }
    storedBlocked_ = lists.blocked;
    keptBlocked_.clear();
    for (const auto& entry : StoredEntries(lists.blocked)) {
        if (!inCatalogue(entry)) {
            keptBlocked_.push_back(entry);
        }
    }
}

bool UnblockPage::inCatalogue(const std::string& entry) const {
    const std::string extension = TypeOf(entry);
    const auto& catalogue = BlockedTypesOf(filled_->blockedTypes);
    return extension.empty() ||
           std::any_of(catalogue.begin(), catalogue.end(),
                       [&](const auto& type) { return type.extension == extension; });
}

void UnblockPage::fillRow(int row, const std::string& extension, const std::string& description,
                          Rating rating, bool ticked) {
    grid_.AddCheckBox(kCheckColumn, row, ticked);
    grid_.SetCellText(kExtensionColumn, row, extension);
    grid_.SetCellText(kDescriptionColumn, row, description);
    grid_.SetCellText(kRatingColumn, row, RatingWord(rating), ToneOf(rating));
    grid_.SetCellText(kPolicyColumn, row, PolicyMark(policy_, extension));
}

void UnblockPage::addOwnRow(const std::string& extension, const std::string& description,
                            bool ticked) {
    fillRow(grid_.AddRows(1), extension, description, RateFileType(extension), ticked);
}

int UnblockPage::rowOf(const std::string& extension) const {
    for (int row = 0; row < grid_.RowCount(); ++row) {
        if (grid_.CellText(kExtensionColumn, row) == extension) {
            return row;
        }
    }
    return -1;
}

bool UnblockPage::AddExtension(const std::string& extension) {
    if (!filled_) {
        return false;
    }
    const widgets::BatchedUpdate update(grid_);
    const int row = rowOf(extension);
    if (row >= 0) {
        grid_.SetChecked(kCheckColumn, row, true);
    } else {
        addOwnRow(extension, LoadText(TextId::ExtOwnType), true);
        grid_.FitColumnToContent(kExtensionColumn);
    }
    pending_ = true;
    return true;
}

bool UnblockPage::HarvestExtGrid(Level1Lists& lists) {
    if (!filled_) {
        return false;
    }
    const std::string prefix = filled_->dottedListEntries ? "." : "";
    std::vector<std::string> unblocked;
    std::vector<std::string> blocked;
    std::set<std::string> unblockedTypes;
    std::set<std::string> ownUnblocked;
    for (int row = 0; row < grid_.RowCount(); ++row) {
        const std::string& extension = grid_.CellText(kExtensionColumn, row);
        const bool own = !inCatalogue(extension);
        if (grid_.IsChecked(kCheckColumn, row)) {
            unblocked.push_back(prefix + extension);
            unblockedTypes.insert(extension);
            if (own) {
                ownUnblocked.insert(extension);
            }
        } else if (!own) {
            // An unticked type of the user's own goes nowhere: adding it to the blocked list
            // would block a type that Outlook may not block at all.
            blocked.push_back(prefix + extension);
        }
    }
    lists.unblocked = WithKept(std::move(unblocked), keptUnblocked_);
    if (filled_->listSave == versions::ListSave::UnblockedOnly) {
        // The stored list stays as it is, but for the entries of types the user now unblocks.
        const auto stored = StoredEntries(storedBlocked_);
        std::vector<std::string> left;
        std::copy_if(stored.begin(), stored.end(), std::back_inserter(left),
                     [&](const auto& entry) { return unblockedTypes.count(TypeOf(entry)) == 0; });
        lists.blocked = left.size() == stored.size() ? storedBlocked_ : JoinList(left);
        return true;
    }
    // A kept blocked entry of a type the user has just unblocked would contradict the tick.
    std::vector<std::string> keptBlocked;
    std::copy_if(keptBlocked_.begin(), keptBlocked_.end(), std::back_inserter(keptBlocked),
                 [&](const auto& entry) { return ownUnblocked.count(TypeOf(entry)) == 0; });
    lists.blocked = WithKept(std::move(blocked), keptBlocked);
    return true;
}

void UnblockPage::SetAllExtChecks(bool checked) {
    const widgets::BatchedUpdate update(grid_);
    for (int row = 0; row < grid_.RowCount(); ++row) {
        grid_.SetChecked(kCheckColumn, row, checked);
    }
}

registry::WriteOutcome UnblockPage::ConfirmPendingExtChanges(Level1Lists& lists) {
    registry::WriteOutcome outcome;
    if (!pending_) {
        return outcome;
    }
    // Ticks of an unfilled grid are no choice of the user's: nothing to offer.
    if (filled_ && dialogs_.ShowMessage(widgets::MessageKind::Confirmation,
                                        LoadText(TextId::CaptionConfirmation),
                                        LoadText(TextId::ExtKeepChanges))) {
        // The same lists a save writes (a "Level1Add" left as it was would still block a type
        // the user has just unblocked), and like a save all or nothing.
        auto planned = lists;
        const auto changes = registry::PlanWrites([&] { SaveExtLists(planned); });
        outcome = registry::ApplyAllOrNothing(registry::CurrentRegistryBackend(), changes);
        if (outcome.Succeeded()) {
            lists = planned;
        } else {
            dialogs_.ShowMessage(widgets::MessageKind::Error, LoadText(TextId::CaptionError),
                                 registry::FailedWriteReport(outcome));
        }
    }
    pending_ = false;
    return outcome;
}

std::vector<std::string> UnblockPage::SaveExtLists(Level1Lists& lists) {
    if (!HarvestExtGrid(lists)) {
        return {};
    }
    return writeLists(lists);
}

std::vector<std::string> UnblockPage::writeLists(const Level1Lists& lists) const {
    std::vector<std::string> notSaved;
    const auto note = [&](bool written, const std::string& valueName) {
        if (!written && !Contains(notSaved, valueName)) {
            notSaved.push_back(valueName);
        }
    };
    const std::string& ver = filled_->key;
    if (filled_->listSave == versions::ListSave::UnblockedOnly) {
        note(WriteUnblockedExts(ver, lists.unblocked, false), "Level1Remove");
        if (lists.blocked != storedBlocked_) {
            note(WriteBlockedExts(ver, lists.blocked, false), "Level1Add");
        }
        return notSaved;
    }
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
