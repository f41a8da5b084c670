#include "express/IdentitiesPage.h"

#include <array>

#include "app/uGlobalVar.h"
#include "registry/uRegProc.h"
#include "resources/Texts.h"
#include "widgets/CheckItems.h"

namespace brevolt::express {
namespace {

using namespace uRegProc;

const std::array<widgets::CheckItem, 4> kItems = {{
    {ReadDisableScriptDebugger, WriteDisableScriptDebugger},
    {ReadShowAdvMailSend, WriteShowAdvMailSend},
    {ReadSafeAttachments, WriteSafeAttachments},
    {ReadWarnOnMapiSend, WriteWarnOnMapiSend},
}};

}  // namespace

IdentitiesPage::IdentitiesPage(widgets::DropDownList& identities, widgets::CheckList& options)
    : identities_(identities), options_(options) {
    options_.SetItems(resources::LoadTexts(resources::TextId::IdentityOption0, kItems.size()));
}

void IdentitiesPage::AdvTabSheet4Show() {
    const widgets::BatchedUpdate update(identities_);
    LoadIdentities(identities_);
    if (identities_.Count() > 0) {
        identities_.Select(0);
        SelectIdentity(identities_.Entry(0));
    }
}

void IdentitiesPage::cbIdentChange() {
    SelectIdentity(identities_.SelectedText());
}

void IdentitiesPage::SelectIdentity(const std::string& userName) {
    for (const auto& ident : uGlobalVar::Idents) {
        if (ident.UserName == userName) {
            uGlobalVar::CurrentIdent = ident.Key;
            LoadIdentityOptions();
            return;
        }
    }
}

void IdentitiesPage::LoadIdentityOptions() {
    widgets::LoadTicks(options_, kItems);
}

std::vector<std::string> IdentitiesPage::SaveIdentityOptions() {
    if (uGlobalVar::CurrentIdent.empty()) {
        return {};
    }
    return widgets::SaveTicks(options_, kItems);
}

}  // namespace brevolt::express
