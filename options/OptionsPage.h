#pragma once

#include <optional>
#include <string>
#include <vector>

#include "widgets/CheckList.h"

namespace brevolt::options {

// The page "Weitere Einstellungen": 14 Outlook options of the current version as check items.
class OptionsPage {
  public:
    explicit OptionsPage(widgets::CheckList& list);

    // Fills the list for CurrentVersion: the version's disabled items, then every item's tick.
    void LoadOutlookOptions();
    // Writes the 14 ticks for CurrentVersion, but only when the list shows that version's
    // options: loaded for it since the last version switch. Returns the captions of the
    // options that could not be written.
    std::vector<std::string> SaveOutlookOptions();
    // A version switch: the list no longer shows the current version's options.
    void VersionSwitched() { loadedVersion_.reset(); }

  private:
    widgets::CheckList& list_;
    std::optional<std::string> loadedVersion_;
};

}  // namespace brevolt::options
