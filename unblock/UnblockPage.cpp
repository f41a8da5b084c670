#include "unblock/UnblockPage.h"

#include <algorithm>
#include <utility>

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

std::string WithKept(std::vector<std::string> entries, const std::vector<std::string>& kept) {
    entries.insert(entries.end(), kept.begin(), kept.end());
    return JoinList(entries);
}

}  // namespace

UnblockPage::UnblockPage(widgets::ColumnGrid& grid, widgets::DialogService& dialogs)
    : grid_(grid),
      dialogs_(dialogs),
      texts_{
          {RatingWord(Rating::Dangerous), RatingWord(Rating::Normal), RatingWord(Rating::Unknown)},
          LoadText(TextId::ExtOwnType),
          LoadText(TextId::ExtPolicyType),
          LoadText(TextId::ExtPolicyBlocked),
          LoadText(TextId::ExtPolicyUnblocked)} {}

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
    // The type and rating columns are as wide for every version's catalogue: they stay put, and
    // the list need not be redrawn whole, when the version changes.
    std::vector<std::string> types;
    for (const auto& version : versions::OutlookVersions) {
        for (const auto& type : BlockedTypesOf(version.blockedTypes)) {
            types.push_back(type.extension);
        }
    }
    std::sort(types.begin(), types.end());
    types.erase(std::unique(types.begin(), types.end()), types.end());
    grid_.SetColumnFitTexts(kExtensionColumn, std::move(types));
    grid_.SetColumnFitTexts(kRatingColumn, {texts_.ratings.begin(), texts_.ratings.end()});
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
    policyBlocked_ = {policy.blocked.begin(), policy.blocked.end()};
    policyUnblocked_ = {policy.unblocked.begin(), policy.unblocked.end()};
    const auto& catalogue = BlockedTypesOf(version.blockedTypes);
    const auto stored = StoredEntries(lists.unblocked);
    // The catalogue's rows that entries of the unblocked list name, found entry by entry.
    std::vector<bool> ticked(catalogue.size(), false);
    for (const auto& entry : stored) {
        if (const auto* type = FindBlockedType(version.blockedTypes, ExtensionOf(entry))) {
            ticked[static_cast<std::size_t>(type - catalogue.data())] = true;
        }
    }
    const int first = grid_.AddRows(static_cast<int>(catalogue.size()));
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const auto& type = catalogue[i];
        fillRow(first + static_cast<int>(i), type.extension, type.description, type.rating,
                ticked[i]);
    }
    // Each type gets one row; the types that have one are looked up here, not row by row.
    std::unordered_set<std::string> shown;
    shown.reserve(static_cast<std::size_t>(grid_.RowCount()) + stored.size());
    for (int row = 0; row < grid_.RowCount(); ++row) {
        shown.insert(grid_.CellText(kExtensionColumn, row));
    }
    // Entries the catalogue does not know: a file type the user may name gets a row of its own,
    // ticked, in stored order; anything else is kept as stored, to be written back.
    keptUnblocked_.clear();
    for (const auto& entry : stored) {
        // For a file type the user may name this is also what OwnExtension makes of the entry.
        const std::string type = TypeOf(entry);
        if (inCatalogue(type)) {
            continue;
        }
        if (!IsOwnExtension(entry)) {
            keptUnblocked_.push_back(entry);
        } else if (shown.insert(type).second) {
            addOwnRow(type, texts_.ownType, true);
        }
    }
    // A type the policy names gets a row, so that the user learns what the policy does with it.
    for (const auto* named : {&policy.blocked, &policy.unblocked}) {
        for (const auto& extension : *named) {
            if (IsOwnExtension(extension) && shown.insert(extension).second) {
                addOwnRow(extension, texts_.policyType, false);
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
        if (!inCatalogue(TypeOf(entry))) {
            keptBlocked_.push_back(entry);
        }
    }
}

bool UnblockPage::inCatalogue(const std::string& type) const {
    return type.empty() || FindBlockedType(filled_->blockedTypes, type) != nullptr;
}

void UnblockPage::fillRow(int row, const std::string& extension, const std::string& description,
                          Rating rating, bool ticked) {
    grid_.AddCheckBox(kCheckColumn, row, ticked);
    grid_.SetCellText(kExtensionColumn, row, extension);
    grid_.SetCellText(kDescriptionColumn, row, description);
    grid_.SetCellText(kRatingColumn, row, texts_.ratings.at(static_cast<std::size_t>(rating)),
                      ToneOf(rating));
    grid_.SetCellText(kPolicyColumn, row, policyMark(extension));
}

std::string UnblockPage::policyMark(const std::string& extension) const {
    // Whatever the tick says; the policy's blocking wins over its unblocking.
    if (policyBlocked_.count(extension) > 0) {
        return texts_.policyBlocked;
    }
    return policyUnblocked_.count(extension) > 0 ? texts_.policyUnblocked : std::string();
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
        addOwnRow(extension, texts_.ownType, true);
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
    const bool unblockedOnly = filled_->listSave == versions::ListSave::UnblockedOnly;
    // The blocked entries a tick can take out: the stored list, or the kept entries. They are
    // few beside the rows, so the rows are looked up in their types rather than the other way.
    const auto blockedEntries = unblockedOnly ? StoredEntries(storedBlocked_) : keptBlocked_;
    std::unordered_set<std::string> blockedTypes;
    for (const auto& entry : blockedEntries) {
        blockedTypes.insert(TypeOf(entry));
    }
    std::vector<std::string> unblocked;
    std::vector<std::string> blocked;
    std::unordered_set<std::string> nowUnblocked;  // of those types, the ones ticked
    for (int row = 0; row < grid_.RowCount(); ++row) {
        const std::string& extension = grid_.CellText(kExtensionColumn, row);
        const bool own = !inCatalogue(TypeOf(extension));
        if (grid_.IsChecked(kCheckColumn, row)) {
            unblocked.push_back(prefix + extension);
            if ((unblockedOnly || own) && blockedTypes.count(extension) > 0) {
                nowUnblocked.insert(extension);
            }
        } else if (!own) {
            // An unticked type of the user's own goes nowhere: adding it to the blocked list
            // would block a type that Outlook may not block at all.
            blocked.push_back(prefix + extension);
        }
    }
    lists.unblocked = WithKept(std::move(unblocked), keptUnblocked_);
    std::vector<std::string> left;
    std::copy_if(blockedEntries.begin(), blockedEntries.end(), std::back_inserter(left),
                 [&](const auto& entry) { return nowUnblocked.count(TypeOf(entry)) == 0; });
    if (unblockedOnly) {
        // The stored list stays as it is, but for the entries of types the user now unblocks.
        lists.blocked = left.size() == blockedEntries.size() ? storedBlocked_ : JoinList(left);
        return true;
    }
    // A kept blocked entry of a type of the user's own just unblocked would contradict the tick.
    lists.blocked = WithKept(std::move(blocked), left);
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
