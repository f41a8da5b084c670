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

std::vector<widgets::CheckItem> IdentitiesPage::items(const std::string& key) const {
    std::vector<widgets::CheckItem> items;
    for (const auto& option : kOptions) {
        items.push_back({[&option, key] { return option.read(key); },
                         [&option, key](bool ticked) { return option.write(key, ticked); }});
    }
    return items;
}

void IdentitiesPage::Forget() {
    listed_ = false;
    ticks_.clear();
}

void IdentitiesPage::Shown() {
    if (listed_) {
        return;
    }
    ticks_.clear();
    current_.clear();
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
    listed_ = true;
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
            keepShownTicks();
            current_ = identity.key;
            const auto kept = ticks_.find(current_);
            if (kept != ticks_.end()) {
                widgets::SetTicks(options_, kept->second.shown);
            } else {
                LoadIdentityOptions();
            }
            return;
        }
    }
}

void IdentitiesPage::LoadIdentityOptions() {
    widgets::LoadTicks(options_, items(current_));
    const auto read = widgets::Ticks(options_);
    ticks_[current_] = {read, read};
}

void IdentitiesPage::keepShownTicks() {
    if (!current_.empty()) {
        ticks_[current_].shown = widgets::Ticks(options_);
    }
}

std::vector<std::string> IdentitiesPage::SaveIdentityOptions() {
    if (current_.empty()) {
        return {};
    }
    keepShownTicks();
    std::vector<std::string> notSaved = widgets::SaveTicks(options_, items(current_));
    for (const auto& [key, ticks] : ticks_) {
        if (key == current_ || ticks.shown == ticks.read) {
            continue;
        }
        for (std::size_t i = 0; i < std::size(kOptions); ++i) {
            if (!kOptions[i].write(key, ticks.shown[i])) {
                notSaved.push_back(options_.ItemAt(static_cast<int>(i)).caption);
            }
        }
    }
    return notSaved;
}

bool IdentitiesPage::HasChanges() const {
    for (const auto& [key, ticks] : ticks_) {
        const auto shown = key == current_ ? widgets::Ticks(options_) : ticks.shown;
        if (shown != ticks.read) {
            return true;
        }
    }
    return false;
}

}  // namespace brevolt::express
