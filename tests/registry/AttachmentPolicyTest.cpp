// Reading administrators' policies, on the in-memory registry and, under Wine, the real one.
#include <gtest/gtest.h>

#include "registry/ValueCodec.h"
#include "support/RegistrySandbox.h"
#include "unblock/AttachmentPolicy.h"
#include "versions/OutlookVersions.h"

namespace brevolt {
namespace {

using registry::Hive;
using unblock::AttachmentPolicy;

std::string Policies(const std::string& ver, const std::string& below = "\\Outlook\\Security") {
    return "Software\\Policies\\Microsoft\\Office\\" + ver + below;
}

struct Seed {
    Hive hive;
    std::string below;  // below the version's policy key
    std::string name;
    std::optional<std::uint32_t> number;  // else the text
    std::string text;
};

class AttachmentPolicyTest : public ::testing::Test {
  protected:
    // Each case under a version key of its own, so that one sandbox serves them all.
    AttachmentPolicy Read(const std::string& ver, const std::vector<Seed>& seeds) {
        for (const auto& seed : seeds) {
            const std::string key = Policies(ver, seed.below);
            if (seed.number) {
                sandbox.PutDword(seed.hive, key, seed.name, *seed.number);
            } else {
                sandbox.PutText(seed.hive, key, seed.name, seed.text);
            }
        }
        auto version = *versions::FindVersion("16.0");
        version.key = ver;
        return unblock::ReadAttachmentPolicy(version);
    }

    testing::RegistrySandbox sandbox;
};

TEST_F(AttachmentPolicyTest, WhetherThePolicyOverrulesTheUsersList) {
    const std::string security = "\\Outlook\\Security";
    struct Case {
        const char* what;
        std::vector<Seed> seeds;
        bool overrules;
        const char* notice;
    };
    const std::string disallowed = "Eine Richtlinie Ihres Administrators verbietet";
    const std::string groupMode = "Outlook folgt den Sicherheitsrichtlinien";
    const std::string exchange = "Outlook folgt den Sicherheitseinstellungen, die Ihr Exchange";
    const std::vector<Case> cases = {
        {"nothing set", {}, false, ""},
        {"customisation disallowed by the user's policy",
         {{Hive::CurrentUser, security, "DisallowAttachmentCustomization", 1u, ""}},
         true,
         disallowed.c_str()},
        {"customisation disallowed by a value of another type: present counts",
         {{Hive::CurrentUser, security, "DisallowAttachmentCustomization", std::nullopt, "0"}},
         true,
         disallowed.c_str()},
        {"customisation disallowed as the number 0: the policy switched off",
         {{Hive::CurrentUser, security, "DisallowAttachmentCustomization", 0u, ""}},
         false,
         ""},
        {"customisation disallowed one key higher, the Security key there too",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 3u, ""},
          {Hive::CurrentUser, security, "AllowUsersToLowerAttachments", 1u, ""},
          {Hive::CurrentUser, "\\Outlook", "DisallowAttachmentCustomization", 1u, ""}},
         true,
         disallowed.c_str()},
        {"the machine's policies are not Outlook's: not counted",
         {{Hive::LocalMachine64, security, "DisallowAttachmentCustomization", 1u, ""},
          {Hive::LocalMachine64, security, "AdminSecurityMode", 3u, ""}},
         false,
         ""},
        {"Group Policy mode",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 3u, ""}},
         true,
         groupMode.c_str()},
        {"Group Policy mode letting users lower",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 3u, ""},
          {Hive::CurrentUser, security, "AllowUsersToLowerAttachments", 1u, ""}},
         false,
         ""},
        {"the Exchange security forms (1)",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 1u, ""}},
         false,
         exchange.c_str()},
        {"the Exchange security forms (2)",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 2u, ""}},
         false,
         exchange.c_str()},
        {"Outlook's own security (0)",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 0u, ""}},
         false,
         ""},
        {"a mode that is no number counts as not set",
         {{Hive::CurrentUser, security, "AdminSecurityMode", std::nullopt, "3"}},
         false,
         ""},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto policy = Read("90." + std::to_string(number++), c.seeds);
        EXPECT_EQ(policy.OverrulesUserList(), c.overrules);
        EXPECT_EQ(unblock::PolicyNotice(policy).substr(0, std::string(c.notice).size()), c.notice);
        EXPECT_EQ(unblock::PolicyNotice(policy).empty(), std::string(c.notice).empty());
    }
}

TEST_F(AttachmentPolicyTest, ThePolicysListsCountOnlyInTheGroupPolicyMode) {
    const std::vector<Seed> lists = {
        {Hive::CurrentUser, "\\Outlook\\Security", "FileExtensionsAddLevel1", std::nullopt,
         ".exe;chm"},
        {Hive::CurrentUser, "\\Outlook\\Security", "Level1Add", std::nullopt, "hlp"},
        {Hive::CurrentUser, "\\Outlook\\Security", "FileExtensionsRemoveLevel1", std::nullopt,
         ";bat;"},
        {Hive::CurrentUser, "\\Outlook\\Security", "Level1Remove", 7u, ""},
        {Hive::LocalMachine64, "\\Outlook\\Security", "FileExtensionsAddLevel1", std::nullopt,
         "reg"},
        {Hive::CurrentUser, "\\Outlook\\Security", "DisallowAttachmentCustomization", 0u, ""}};
    const auto outside = Read("90.50", lists);
    EXPECT_TRUE(outside.blocked.empty() && outside.unblocked.empty())
        << "Outlook's own security ignores the policy's lists";
    EXPECT_EQ(unblock::PolicyNotice(outside), "");

    auto inMode = lists;
    inMode.push_back({Hive::CurrentUser, "\\Outlook\\Security", "AdminSecurityMode", 3u, ""});
    inMode.push_back(
        {Hive::CurrentUser, "\\Outlook\\Security", "AllowUsersToLowerAttachments", 1u, ""});
    const auto policy = Read("90.51", inMode);
    EXPECT_EQ(policy.blocked, (std::vector<std::string>{"EXE", "CHM", "HLP"}))
        << "the machine's list is not counted";
    EXPECT_EQ(policy.unblocked, std::vector<std::string>{"BAT"}) << "a number names no extension";
    EXPECT_FALSE(policy.OverrulesUserList()) << "lists alone leave the user's list working";
}

TEST_F(AttachmentPolicyTest, TheNewOutlookIsAHintWhereTheVersionSaysSoAndNothingIsCreated) {
    for (const char* ver : {"16.0", "15.0"}) {
        sandbox.PutDword(
            Hive::CurrentUser,
            "Software\\Microsoft\\Office\\" + std::string(ver) + "\\Outlook\\Preferences",
            "UseNewOutlook", 1);
    }
    const auto current = unblock::ReadAttachmentPolicy(*versions::FindVersion("16.0"));
    EXPECT_TRUE(current.newOutlook);
    EXPECT_FALSE(current.OverrulesUserList());
    EXPECT_NE(unblock::PolicyNotice(current).find("Das neue Outlook verwendet"), std::string::npos);
    EXPECT_FALSE(unblock::ReadAttachmentPolicy(*versions::FindVersion("15.0")).newOutlook);

    for (const auto hive : {Hive::CurrentUser, Hive::LocalMachine, Hive::LocalMachine64}) {
        EXPECT_FALSE(sandbox.Exists(hive, "Software\\Policies")) << "read only";
    }
}

}  // namespace
}  // namespace brevolt
