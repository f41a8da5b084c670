// Reading administrators' policies, on the in-memory registry and, under Wine, the real one.
#include <gtest/gtest.h>

#include "registry/ValueCodec.h"
#include "support/RegistrySandbox.h"
#include "unblock/AttachmentPolicy.h"

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
        return unblock::ReadAttachmentPolicy(ver);
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
    const std::vector<Case> cases = {
        {"nothing set", {}, false, ""},
        {"customisation disallowed by the user's policy",
         {{Hive::CurrentUser, security, "DisallowAttachmentCustomization", 1u, ""}},
         true,
         disallowed.c_str()},
        {"customisation disallowed one key higher, by the machine",
         {{Hive::LocalMachine64, "\\Outlook", "DisallowAttachmentCustomization", 0u, ""}},
         true,
         disallowed.c_str()},
        {"customisation disallowed one key higher, the Security key there too",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 1u, ""},
          {Hive::CurrentUser, "\\Outlook", "DisallowAttachmentCustomization", 1u, ""}},
         true,
         disallowed.c_str()},
        {"Group Policy mode",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 3u, ""}},
         true,
         groupMode.c_str()},
        {"Group Policy mode letting users lower",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 3u, ""},
          {Hive::CurrentUser, security, "AllowUsersToLowerAttachments", 1u, ""}},
         false,
         ""},
        {"the machine's mode, the user's permission",
         {{Hive::LocalMachine64, security, "AdminSecurityMode", 3u, ""},
          {Hive::CurrentUser, security, "AllowUsersToLowerAttachments", 1u, ""}},
         false,
         ""},
        {"the machine's refusal wins over the user's permission",
         {{Hive::LocalMachine64, security, "AdminSecurityMode", 3u, ""},
          {Hive::LocalMachine64, security, "AllowUsersToLowerAttachments", 0u, ""},
          {Hive::CurrentUser, security, "AllowUsersToLowerAttachments", 1u, ""}},
         true,
         groupMode.c_str()},
        {"another security mode",
         {{Hive::CurrentUser, security, "AdminSecurityMode", 1u, ""}},
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

TEST_F(AttachmentPolicyTest, ThePolicysListsFromBothHivesAreRead) {
    const auto policy =
        Read("90.50", {{Hive::LocalMachine64, "\\Outlook\\Security", "FileExtensionsAddLevel1",
                        std::nullopt, ".exe;chm"},
                       {Hive::CurrentUser, "\\Outlook\\Security", "Level1Add", std::nullopt, "hlp"},
                       {Hive::CurrentUser, "\\Outlook\\Security", "FileExtensionsRemoveLevel1",
                        std::nullopt, ";bat;"},
                       {Hive::CurrentUser, "\\Outlook\\Security", "Level1Remove", 7u, ""}});
    EXPECT_EQ(policy.blocked, (std::vector<std::string>{"EXE", "CHM", "HLP"}));
    EXPECT_EQ(policy.unblocked, std::vector<std::string>{"BAT"}) << "a number names no extension";
    EXPECT_FALSE(policy.OverrulesUserList()) << "lists alone leave the user's list working";
}

TEST_F(AttachmentPolicyTest, TheNewOutlookIsAHintFor2016AndLaterOnlyAndNothingIsCreated) {
    for (const char* ver : {"16.0", "15.0"}) {
        sandbox.PutDword(
            Hive::CurrentUser,
            "Software\\Microsoft\\Office\\" + std::string(ver) + "\\Outlook\\Preferences",
            "UseNewOutlook", 1);
    }
    const auto current = unblock::ReadAttachmentPolicy("16.0");
    EXPECT_TRUE(current.newOutlook);
    EXPECT_FALSE(current.OverrulesUserList());
    EXPECT_NE(unblock::PolicyNotice(current).find("Das neue Outlook verwendet"), std::string::npos);
    EXPECT_FALSE(unblock::ReadAttachmentPolicy("15.0").newOutlook);

    for (const auto hive : {Hive::CurrentUser, Hive::LocalMachine, Hive::LocalMachine64}) {
        EXPECT_FALSE(sandbox.Exists(hive, "Software\\Policies")) << "read only";
    }
}

}  // namespace
}  // namespace brevolt
