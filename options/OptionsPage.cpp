#include "options/OptionsPage.h"

#include <array>
#include <set>

#include "options/OutlookOptions.h"
#include "resources/Texts.h"
#include "widgets/CheckItems.h"

namespace brevolt::options {
namespace {

struct OptionItem {
    bool (*read)(const std::string&);
    bool (*write)(const std::string&, bool);
    bool inverted;  // the item's tick is the opposite of the write's argument
};

const std::array<OptionItem, 14> kItems = {{
    {GetMinToTray, SetMinToTray, false},
    {GetShowBcc, SetShowBcc, false},
    {GetAdaptiveMenus, SetAdaptiveMenus, false},
    {GetErrorReports, SetErrorReports, false},
    {GetIMEnabled, SetIMEnabled, false},
    {GetReadAsPlain, SetReadAsPlain, false},
    {GetEnablePresence, SetEnablePresence, false},
    {GetDoAging, SetDoAging, true},
    {GetWarnDelete, SetWarnDelete, false},
    {GetCheckDefaultClient, SetCheckDefaultClient, false},
    {GetSharedFolderScript, SetSharedFolderScript, false},
    {GetPublicFolderScript, SetPublicFolderScript, false},
    {GetPontString, SetPontString, false},
    {GetBlockExtContent, SetBlockExtContent, false},
}};

// The items of one version's options.
std::vector<widgets::CheckItem> ItemsFor(const std::string& ver) {
    std::vector<widgets::CheckItem> items;
    for (const auto& option : kItems) {
        items.push_back({[&option, ver] { return option.read(ver); },
                         [&option, ver](bool ticked) {
                             return option.write(ver, option.inverted ? !ticked : ticked);
                         }});
    }
    return items;
}

// Outlook 2007 to 365: no public documentation that was found says these versions still read
// any of the 14 values where the program keeps them (the manual lists what was looked at). For
// them every item is disabled, and the page neither reads nor writes them: a write could change
// a setting the user never saw, and a read would create keys in their profile.
bool IsWithoutKnownOptions(const std::string& ver) {
    return ver == "12.0" || ver == "14.0" || ver == "15.0" || ver == "16.0";
}

// The options an Outlook does not have.
std::set<int> DisabledItems(const std::string& ver) {
    if (ver == "9.0") {
        return {0, 5, 6, 12, 13};
    }
    if (ver == "10.0") {
        return {6, 12, 13};
    }
    if (IsWithoutKnownOptions(ver)) {
        std::set<int> all;
        for (int i = 0; i < static_cast<int>(kItems.size()); ++i) {
            all.insert(i);
        }
        return all;
    }
    return {};
}

}  // namespace

OptionsPage::OptionsPage(widgets::CheckList& list) : list_(list) {
    std::vector<std::string> captions;
    for (int i = 0; i < static_cast<int>(kItems.size()); ++i) {
        captions.push_back(resources::LoadText(static_cast<resources::TextId>(
            static_cast<int>(resources::TextId::OutlookOption0) + i)));
    }
    list_.SetItems(captions);
}

void OptionsPage::LoadOutlookOptions(const std::string& ver) {
    const auto disabled = DisabledItems(ver);
    const widgets::BatchedUpdate update(list_);
    for (int i = 0; i < static_cast<int>(kItems.size()); ++i) {
        list_.SetEnabled(i, disabled.count(i) == 0);
    }
    if (IsWithoutKnownOptions(ver)) {
        for (int i = 0; i < static_cast<int>(kItems.size()); ++i) {
            list_.SetChecked(i, false);
        }
    } else {
        widgets::LoadTicks(list_, ItemsFor(ver));
    }
    loadedVersion_ = ver;
}

std::vector<std::string> OptionsPage::SaveOutlookOptions(const std::string& ver) {
    if (ver.empty() || loadedVersion_ != ver || IsWithoutKnownOptions(ver)) {
        return {};  // no version, options the user was not shown, or none that apply
    }
    return widgets::SaveTicks(list_, ItemsFor(ver));
}

}  // namespace brevolt::options
