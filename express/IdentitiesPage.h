#pragma once

#include <string>
#include <vector>

#include "express/Identity.h"
#include "widgets/CheckItems.h"
#include "widgets/CheckList.h"
#include "widgets/DropDownList.h"

namespace brevolt::express {

// The page "Identitäten": the user's Outlook Express mail identities to choose from, and four
// settings of the chosen one.
class IdentitiesPage {
  public:
    IdentitiesPage(widgets::DropDownList& identities, widgets::CheckList& options);

    // Lists the identities again and selects the first.
    void Shown();
    // The user chose an identity.
    void IdentityChosen();
    // Makes the first identity of this user name current and reads its settings.
    void SelectIdentity(const std::string& userName);
    void LoadIdentityOptions();
    // Writes the four ticks for the current identity; nothing while none is selected. Returns
    // the captions of those not written.
    std::vector<std::string> SaveIdentityOptions();

    // The identities of the last listing, in enumeration order.
    const std::vector<Identity>& Identities() const { return listing_.identities; }
    // The key of the chosen identity; empty while none was chosen in this run.
    const std::string& CurrentIdentity() const { return current_; }

  private:
    std::vector<widgets::CheckItem> items() const;

    widgets::DropDownList& identities_;
    widgets::CheckList& options_;
    IdentityListing listing_;
    std::string current_;
};

}  // namespace brevolt::express
