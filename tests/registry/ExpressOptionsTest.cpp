// The six Outlook Express settings and the four identity settings, on every backend.
#include <gtest/gtest.h>

#include <optional>

#include "express/ExpressOptions.h"
#include "express/Identities.h"
#include "registry/Registry.h"
#include "registry/ValueCodec.h"
#include "support/CountingRegistry.h"
#include "support/RegistrySandbox.h"

namespace brevolt {
namespace {

using registry::Hive;
using registry::RawValue;
using namespace express;

const std::string kExpress = "Software\\Microsoft\\Outlook Express";
const std::string kWab = "Software\\Microsoft\\WAB\\WAB4";

struct Setting {
    const char* name;
    bool (*read)();
    bool (*write)(bool);
    Hive hive;
    const std::string& key;
    std::vector<std::pair<std::optional<RawValue>, bool>> reads;  // stored value -> ticked
    std::uint32_t whenTicked;
    std::uint32_t whenUnticked;
};

RawValue Dword(std::uint32_t n) {
    return registry::EncodeDword(n);
}
RawValue Text(const char* text) {
    return registry::EncodeText(text);
}

const std::vector<Setting> kSettings = {
    {"BlockExeAttachments",
     ReadBlockExeAttachments,
     WriteBlockExeAttachments,
     Hive::LocalMachine,
     kExpress,
     {{std::nullopt, false},
      {Dword(0), true},
      {Dword(1), false},
      {Dword(5), false},
      {Text("0"), false}},
     0,
     1},
    {"No Modify Accts",
     ReadNoModifyAccts,
     WriteNoModifyAccts,
     Hive::LocalMachine,
     kExpress,
     {{std::nullopt, false},
      {Dword(1), true},
      {Dword(0), false},
      {Dword(2), false},
      {Text("1"), false}},
     1,
     0},
    {"HTTP Mail Enabled",
     ReadHttpMailEnabled,
     WriteHttpMailEnabled,
     Hive::LocalMachine,
     kExpress,
     {{std::nullopt, false},
      {Dword(0), true},
      {Dword(7), true},
      {Dword(1), false},
      {Text("0"), false}},
     0,
     1},
    {"Disable Hotmail",
     ReadDisableHotmail,
     WriteDisableHotmail,
     Hive::LocalMachine,
     kExpress,
     {{std::nullopt, false},
      {Dword(1), true},
      {Dword(0), false},
      {Dword(2), false},
      {Text("1"), false}},
     1,
     2},
    {"Hide Messenger",
     ReadHideMessenger,
     WriteHideMessenger,
     Hive::LocalMachine,
     kExpress,
     {{std::nullopt, false},
      {Dword(2), true},
      {Dword(0), false},
      {Dword(1), false},
      {Text("2"), false}},
     2,
     1},
    {"UseOutlook",
     ReadUseOutlookContacts,
     WriteUseOutlookContacts,
     Hive::CurrentUser,
     kWab,
     {{std::nullopt, true}, {Dword(1), true}, {Dword(0), false}, {Text("1"), false}},
     1,
     0},
};

class ExpressOptions : public ::testing::Test {
  protected:
    testing::RegistrySandbox sandbox;
};

TEST_F(ExpressOptions, EachStoredStateGivesItsTick) {
    for (const auto& setting : kSettings) {
        for (const auto& [stored, ticked] : setting.reads) {
            SCOPED_TRACE(std::string(setting.name) + (stored ? "" : " missing"));
            registry::Registry reg;
            reg.SetRoot(setting.hive);
            reg.RemovePath("Software");
            if (stored) {
                sandbox.Put(setting.hive, setting.key, setting.name, *stored);
            }
            EXPECT_EQ(setting.read(), ticked);
        }
    }
}

TEST_F(ExpressOptions, EachTickStoresItsNumber) {
    for (const auto& setting : kSettings) {
        sandbox.Put(setting.hive, setting.key, setting.name, Text("old"));
        EXPECT_TRUE(setting.write(true));
        EXPECT_EQ(sandbox.Get(setting.hive, setting.key, setting.name), Dword(setting.whenTicked))
            << setting.name;
        EXPECT_TRUE(setting.write(false));
        EXPECT_EQ(sandbox.Get(setting.hive, setting.key, setting.name), Dword(setting.whenUnticked))
            << setting.name;
    }
}

TEST_F(ExpressOptions, ReadingCreatesNothing) {
    for (const auto& setting : kSettings) {
        setting.read();
    }
    EXPECT_FALSE(sandbox.Exists(Hive::LocalMachine, kExpress));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, kWab));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, kExpress));
    EXPECT_FALSE(sandbox.Get(Hive::CurrentUser, kWab, "UseOutlook"));
}

TEST_F(ExpressOptions, ReadingOpensTheKeyOnceWhetherItIsMissingOrThere) {
    testing::CountingBackends counting(sandbox.Backend(), registry::CurrentIniBackend());
    registry::BackendScope scope(counting, counting);
    for (const auto& setting : kSettings) {
        counting.Reset();
        setting.read();
        EXPECT_EQ(counting.counts.opens, 1) << setting.name;
    }
}

TEST_F(ExpressOptions, AMachineKeyTheUserMayOnlyReadIsReadButNotWritten) {
    sandbox.PutDword(Hive::LocalMachine, kExpress, "BlockExeAttachments", 0);
    sandbox.DenyFullAccess(Hive::LocalMachine, kExpress);
    EXPECT_TRUE(ReadBlockExeAttachments());
    EXPECT_FALSE(WriteBlockExeAttachments(false));
    EXPECT_EQ(sandbox.Get(Hive::LocalMachine, kExpress, "BlockExeAttachments"), Dword(0));
    EXPECT_TRUE(ReadUseOutlookContacts());
    EXPECT_TRUE(WriteUseOutlookContacts(false));
}

// --- identities -------------------------------------------------------------------------------

const std::string kIdent = "{0000-AAAA}";
const std::string kMail =
    "Identities\\" + kIdent + "\\Software\\Microsoft\\Outlook Express\\5.0\\Mail";
const std::string kBrowser =
    "Identities\\" + kIdent + "\\Software\\Microsoft\\Outlook Express\\5.0\\Trident\\Main";

struct IdentitySetting {
    const char* name;
    bool (*read)(const std::string& identityKey);
    bool (*write)(const std::string& identityKey, bool ticked);
    const std::string& key;
    std::vector<std::pair<std::optional<RawValue>, bool>> reads;
    std::uint32_t whenTicked;
    std::uint32_t whenUnticked;
};

const std::vector<IdentitySetting> kIdentitySettings = {
    {"Disable Script Debugger",
     ReadDisableScriptDebugger,
     WriteDisableScriptDebugger,
     kBrowser,
     {{std::nullopt, true}, {Dword(0), false}, {Dword(1), true}, {Text("1"), false}},
     1,
     0},
    {"Show Adv Mail Send",
     ReadShowAdvMailSend,
     WriteShowAdvMailSend,
     kMail,
     {{std::nullopt, false}, {Dword(0), false}, {Dword(5), true}, {Text("1"), false}},
     1,
     0},
    {"Safe Attachments",
     ReadSafeAttachments,
     WriteSafeAttachments,
     kMail,
     {{std::nullopt, false}, {Dword(0), true}, {Dword(1), false}, {Text("0"), false}},
     0,
     1},
    {"Warn on Mapi Send",
     ReadWarnOnMapiSend,
     WriteWarnOnMapiSend,
     kMail,
     {{std::nullopt, true}, {Dword(0), false}, {Dword(1), true}, {Text("1"), false}},
     1,
     0},
};

TEST_F(ExpressOptions, IdentitySettingsReadAndWriteByTheirRules) {
    for (const auto& setting : kIdentitySettings) {
        for (const auto& [stored, ticked] : setting.reads) {
            SCOPED_TRACE(std::string(setting.name) + (stored ? "" : " missing"));
            registry::Registry().RemovePath("Identities");
            if (stored) {
                sandbox.Put(Hive::CurrentUser, setting.key, setting.name, *stored);
            }
            EXPECT_EQ(setting.read(kIdent), ticked);
        }
        EXPECT_TRUE(setting.write(kIdent, true));
        EXPECT_EQ(sandbox.Get(Hive::CurrentUser, setting.key, setting.name),
                  Dword(setting.whenTicked));
        EXPECT_TRUE(setting.write(kIdent, false));
        EXPECT_EQ(sandbox.Get(Hive::CurrentUser, setting.key, setting.name),
                  Dword(setting.whenUnticked));
    }
}

// Reads create nothing; a write creates the identity's own key, but never an identity.
TEST_F(ExpressOptions, ReadsCreateNothingAndWritesOnlyBelowAnIdentity) {
    EXPECT_FALSE(WriteShowAdvMailSend(kIdent, true));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Identities"));
    EXPECT_TRUE(ReadDisableScriptDebugger(kIdent));
    EXPECT_FALSE(ReadShowAdvMailSend(kIdent));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Identities"));

    sandbox.MakeKey(Hive::CurrentUser, "Identities\\" + kIdent);
    EXPECT_TRUE(WriteShowAdvMailSend(kIdent, true));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kMail, "Show Adv Mail Send"), Dword(1));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, kBrowser));
}

TEST_F(ExpressOptions, AnIdentityIdThatNamesNoKeyOfItsOwnTouchesNothing) {
    for (const char* id : {"", "..\\Other", "a\\b"}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(ReadDisableScriptDebugger(id));
        EXPECT_FALSE(ReadShowAdvMailSend(id));
        EXPECT_FALSE(ReadSafeAttachments(id));
        EXPECT_TRUE(ReadWarnOnMapiSend(id));
        EXPECT_FALSE(WriteSafeAttachments(id, true));
        EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Identities"));
    }
}

}  // namespace
}  // namespace brevolt
