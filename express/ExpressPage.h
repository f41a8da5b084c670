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
    // Writes the six ticks, but only once the page has been loaded in this run: until then the
    // items show nothing the user was told. Returns the captions of those not written.
    std::vector<std::string> SaveExpressOptions();

  private:
    widgets::CheckList& list_;
    bool loaded_ = false;
};

}  // namespace brevolt::express
