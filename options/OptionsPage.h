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

    // Fills the list for the version: its disabled items, then every item's tick.
    void LoadOutlookOptions(const std::string& ver);
    // Writes the 14 ticks for the version, but only when the list shows that version's options:
    // loaded for it since the last version switch. Returns the captions of the options that
    // could not be written.
    std::vector<std::string> SaveOutlookOptions(const std::string& ver);
    // A version switch: the list no longer shows the current version's options.
    void VersionSwitched() { loadedVersion_.reset(); }

  private:
    widgets::CheckList& list_;
    std::optional<std::string> loadedVersion_;
};

}  // namespace brevolt::options
