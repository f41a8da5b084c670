#include "options/OptionsPage.h"

#include "options/OutlookOptions.h"
#include "resources/Texts.h"

namespace brevolt::options {
namespace {

using resources::LoadText;
using resources::TextId;
using versions::OptionUse;

// What the version does with item `item`: Outlook 2003's set for keys outside the table.
OptionUse UseOf(const versions::OutlookVersion* version, std::size_t item) {
    return version != nullptr ? version->options.at(item) : OptionUse::Offered;
}

}  // namespace

OptionsPage::OptionsPage(widgets::CheckList& list) : list_(list) {
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < OutlookOptions.size(); ++i) {
        captions.push_back(LoadText(
            static_cast<TextId>(static_cast<int>(TextId::OutlookOption0) + static_cast<int>(i))));
    }
    list_.SetItems(captions);
}

void OptionsPage::LoadOutlookOptions(const std::string& ver) {
    const auto* version = versions::FindVersion(ver);
    const widgets::BatchedUpdate update(list_);
    written_.assign(OutlookOptions.size(), false);
    loadedTicks_.assign(OutlookOptions.size(), false);
    for (std::size_t i = 0; i < OutlookOptions.size(); ++i) {
        const int index = static_cast<int>(i);
        const auto option = OptionFor(i, version);
        std::string hint;
        bool ticked = false;
        switch (UseOf(version, i)) {
            case OptionUse::Offered:
            case OptionUse::Greyed:
                // Outlook 2000 to 2003 read and write every item, as they always did; the later
                // versions show a policy that sets the value, and leave the user's value alone.
                if (const auto policy = version != nullptr && version->optionPolicies
                                            ? ReadPolicyTick(option, ver)
                                            : std::nullopt) {
                    ticked = *policy;
                    hint = LoadText(TextId::OptionSetByPolicy);
                } else {
                    ticked = ReadTick(option, ver);
                    written_[i] = true;
                }
                break;
            case OptionUse::Gone:
                hint = LoadText(TextId::OptionGone);
                break;
            case OptionUse::Undocumented:
                hint = LoadText(TextId::OptionUndocumented);
                break;
        }
        list_.SetEnabled(index, UseOf(version, i) == OptionUse::Offered && hint.empty());
        list_.SetChecked(index, ticked);
        list_.SetHint(index, hint);
        loadedTicks_[i] = ticked;
    }
    loadedVersion_ = ver;
}

void OptionsPage::Shown(const std::string& ver) {
    if (loadedVersion_ != ver) {
        LoadOutlookOptions(ver);
    }
}

bool OptionsPage::HasChanges() const {
    if (!loadedVersion_) {
        return false;
    }
    for (std::size_t i = 0; i < loadedTicks_.size(); ++i) {
        if (written_[i] && list_.Checked(static_cast<int>(i)) != loadedTicks_[i]) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> OptionsPage::SaveOutlookOptions(const std::string& ver) {
    if (ver.empty() || loadedVersion_ != ver) {
        return {};  // no version, or options the user was not shown
    }
    const auto* version = versions::FindVersion(ver);
    std::vector<std::string> notSaved;
    for (std::size_t i = 0; i < OutlookOptions.size(); ++i) {
        const int index = static_cast<int>(i);
        if (written_[i] && !WriteTick(OptionFor(i, version), ver, list_.Checked(index))) {
            notSaved.push_back(list_.ItemAt(index).caption);
        }
    }
    return notSaved;
}

}  // namespace brevolt::options
