#pragma once

#include <string>
#include <vector>

#include "widgets/CheckList.h"

namespace brevolt::express {

// The page "Outlook Express": six Outlook Express and address-book settings as check items.
class ExpressPage {
  public:
    explicit ExpressPage(widgets::CheckList& list);

    // Reads the six settings into the ticks.
    void LoadExpressOptions();
    // The page comes into sight: read once, so that the user's ticks stay when the user turns
    // to another page.
    void Shown();
    // The next showing reads the settings again (another mode was chosen, or they were saved).
    void Forget() { loaded_ = false; }
    // The user changed ticks that are not written yet.
    bool HasChanges() const;
    // Writes the six ticks, but only once the page has been loaded in this run: until then the
    // items show nothing the user was told. Returns the captions of those not written.
    std::vector<std::string> SaveExpressOptions();

  private:
    widgets::CheckList& list_;
    bool loaded_ = false;
    std::vector<bool> loadedTicks_;
};

}  // namespace brevolt::express
