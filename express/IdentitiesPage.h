#pragma once

#include <map>
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

    // The page comes into sight: the first time (and after Forget) it lists the identities and
    // selects the first; later it keeps the identity chosen and the ticks made.
    void Shown();
    // The next showing lists the identities again, and the ticks made are dropped.
    void Forget();
    // The user chose an identity: the ticks made for the one before are kept for the save, and
    // the new one shows the ticks made for it before, or its stored settings.
    void IdentityChosen();
    // Makes the first identity of this user name current and shows its settings.
    void SelectIdentity(const std::string& userName);
    void LoadIdentityOptions();
    // Writes the four ticks of the current identity and of every other identity whose ticks the
    // user changed, each under its own key; nothing while none is selected. Returns the captions
    // of those not written.
    std::vector<std::string> SaveIdentityOptions();
    // The user changed ticks of some identity that are not written yet.
    bool HasChanges() const;

    // The identities of the last listing, in enumeration order.
    const std::vector<Identity>& Identities() const { return listing_.identities; }
    // The key of the chosen identity; empty while none was chosen in this run.
    const std::string& CurrentIdentity() const { return current_; }

  private:
    // The ticks of an identity: as read, and as the user left them.
    struct Ticks {
        std::vector<bool> read;
        std::vector<bool> shown;
    };

    std::vector<widgets::CheckItem> items(const std::string& key) const;
    // The current identity's ticks as the list shows them now.
    void keepShownTicks();

    widgets::DropDownList& identities_;
    widgets::CheckList& options_;
    IdentityListing listing_;
    std::string current_;
    bool listed_ = false;
    std::map<std::string, Ticks> ticks_;  // by identity key, for those shown in this run
};

}  // namespace brevolt::express
