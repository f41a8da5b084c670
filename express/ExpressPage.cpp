#include "express/ExpressPage.h"

#include <array>

#include "express/ExpressOptions.h"
#include "resources/Texts.h"
#include "widgets/CheckItems.h"

namespace brevolt::express {
namespace {

const std::array<widgets::CheckItem, 6> kItems = {{
    {ReadBlockExeAttachments, WriteBlockExeAttachments},
    {ReadNoModifyAccts, WriteNoModifyAccts},
    {ReadHttpMailEnabled, WriteHttpMailEnabled},
    {ReadDisableHotmail, WriteDisableHotmail},
    {ReadHideMessenger, WriteHideMessenger},
    {ReadUseOutlookContacts, WriteUseOutlookContacts},
}};

}  // namespace

ExpressPage::ExpressPage(widgets::CheckList& list) : list_(list) {
    list_.SetItems(resources::LoadTexts(resources::TextId::ExpressOption0, kItems.size()));
}

void ExpressPage::LoadExpressOptions() {
    widgets::LoadTicks(list_, kItems);
    loaded_ = true;
    loadedTicks_ = widgets::Ticks(list_);
}

void ExpressPage::Shown() {
    if (!loaded_) {
        LoadExpressOptions();
    }
}

bool ExpressPage::HasChanges() const {
    return loaded_ && widgets::Ticks(list_) != loadedTicks_;
}

std::vector<std::string> ExpressPage::SaveExpressOptions() {
    return loaded_ ? widgets::SaveTicks(list_, kItems) : std::vector<std::string>{};
}

}  // namespace brevolt::express
