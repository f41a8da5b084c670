#include "express/IdentitiesPage.h"

#include "express/Identities.h"
#include "resources/Texts.h"
#include "widgets/CheckItems.h"

namespace brevolt::express {
namespace {

struct IdentityOption {
    bool (*read)(const std::string& identityKey);
    bool (*write)(const std::string& identityKey, bool ticked);
};

const IdentityOption kOptions[] = {
    {ReadDisableScriptDebugger, WriteDisableScriptDebugger},
    {ReadShowAdvMailSend, WriteShowAdvMailSend},
    {ReadSafeAttachments, WriteSafeAttachments},
    {ReadWarnOnMapiSend, WriteWarnOnMapiSend},
};

}  // namespace

IdentitiesPage::IdentitiesPage(widgets::DropDownList& identities, widgets::CheckList& options)
    : identities_(identities), options_(options) {
    options_.SetItems(
        resources::LoadTexts(resources::TextId::IdentityOption0, std::size(kOptions)));
}

std::vector<widgets::CheckItem> IdentitiesPage::items() const {
    std::vector<widgets::CheckItem> items;
    for (const auto& option : kOptions) {
        items.push_back(
            {[&option, key = current_] { return option.read(key); },
             [&option, key = current_](bool ticked) { return option.write(key, ticked); }});
    }
    return items;
}

void IdentitiesPage::Shown() {
    const widgets::BatchedUpdate update(identities_);
    identities_.Clear();
    const auto showListed = [this] {
        for (const auto& name : listing_.shown) {
            identities_.Append(name);
        }
    };
    try {
        ListIdentities(listing_);
    } catch (...) {
        showListed();  // a read error ends the listing: what came before it shows, unselected
        throw;
    }
    showListed();
    if (identities_.Count() > 0) {
        identities_.Select(0);
        SelectIdentity(identities_.Entry(0));
    }
}

void IdentitiesPage::IdentityChosen() {
    SelectIdentity(identities_.SelectedText());
}

void IdentitiesPage::SelectIdentity(const std::string& userName) {
    for (const auto& identity : listing_.identities) {
        if (identity.userName == userName) {
            current_ = identity.key;
            LoadIdentityOptions();
            return;
        }
    }
}

void IdentitiesPage::LoadIdentityOptions() {
    widgets::LoadTicks(options_, items());
}

std::vector<std::string> IdentitiesPage::SaveIdentityOptions() {
    if (current_.empty()) {
        return {};
    }
    return widgets::SaveTicks(options_, items());
}

}  // namespace brevolt::express
