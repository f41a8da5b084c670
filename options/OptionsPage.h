#pragma once

#include <optional>
#include <string>
#include <vector>

#include "versions/OutlookVersions.h"
#include "widgets/CheckList.h"

namespace brevolt::options {

// The page "Weitere Einstellungen": the Outlook options of the current version as check items.
class OptionsPage {
  public:
    explicit OptionsPage(widgets::CheckList& list);

    // Fills the list for the version: which items it offers (a disabled one says why in its
    // hint), then the ticks. An item the version does not read is neither read nor ticked; an
    // item an administrator's policy sets shows the policy's tick and is disabled.
    void LoadOutlookOptions(const std::string& ver);
    // The page comes into sight: it is filled for the version unless it already shows that
    // version's options, so that the user's ticks stay when the user turns to another page.
    void Shown(const std::string& ver);
    // The user changed ticks that are not written yet.
    bool HasChanges() const;
    // Writes the ticks for the version, but only when the list shows that version's options:
    // loaded for it since the last version switch. Items the version does not read and items a
    // policy sets are not written. Returns the captions of the options that could not be written.
    std::vector<std::string> SaveOutlookOptions(const std::string& ver);
    // A version switch: the list no longer shows the current version's options.
    void VersionSwitched() { loadedVersion_.reset(); }

  private:
    widgets::CheckList& list_;
    std::optional<std::string> loadedVersion_;
    // Per item: whether the save writes it, as the last load found.
    std::vector<bool> written_;
    std::vector<bool> loadedTicks_;  // as the last load showed them
};

}  // namespace brevolt::options
