// The 14 Outlook options' reads and writes, on every backend.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "options/OutlookOptions.h"
#include "registry/Registry.h"
#include "registry/ValueCodec.h"
#include "support/RegistrySandbox.h"

namespace brevolt {
namespace {

using registry::Hive;
using registry::RawValue;
using namespace options;

struct DwordOption {
    const char* name;
    bool (*get)(const std::string&);
    bool (*set)(const std::string&, bool);
    const char* suffix;
    std::vector<const char*> values;
    std::array<bool, 5> reads;         // stored: absent, 0, 1, 2, the text "1"
    std::optional<std::uint32_t> on;   // stored by a write of true; empty: removed
    std::optional<std::uint32_t> off;  // stored by a write of false
};

const std::vector<DwordOption> kOptions = {
    {"MinToTray",
     GetMinToTray,
     SetMinToTray,
     "\\Outlook\\Preferences",
     {"MinToTray"},
     {false, false, true, false, false},
     1,
     std::nullopt},
    {"ShowBcc",
     GetShowBcc,
     SetShowBcc,
     "\\Outlook\\Preferences",
     {"ShowBcc"},
     {false, false, true, false, false},
     1,
     std::nullopt},
    {"AdaptiveMenus",
     GetAdaptiveMenus,
     SetAdaptiveMenus,
     "\\Common\\Toolbars",
     {"AdaptiveMenus"},
     {false, true, false, false, false},
     0,
     std::nullopt},
    {"ErrorReports",
     GetErrorReports,
     SetErrorReports,
     "\\Common",
     {"DWNeverUpload", "DWNoExternalURL", "DWNoFileCollection", "DWNoSecondLevelCollection"},
     {false, false, true, false, false},
     1,
     std::nullopt},
    {"IMEnabled",
     GetIMEnabled,
     SetIMEnabled,
     "\\Outlook\\IM",
     {"Enabled"},
     {false, false, true, false, false},
     1,
     0},
    {"ReadAsPlain",
     GetReadAsPlain,
     SetReadAsPlain,
     "\\Outlook\\Options\\Mail",
     {"ReadAsPlain"},
     {false, false, true, false, false},
     1,
     0},
    {"EnablePresence",
     GetEnablePresence,
     SetEnablePresence,
     "\\Outlook\\IM",
     {"EnablePresence"},
     {false, false, true, false, false},
     1,
     0},
    {"DoAging",
     GetDoAging,
     SetDoAging,
     "\\Outlook\\Preferences",
     {"DoAging"},
     {true, true, false, true, false},
     1,
     0},
    {"WarnDelete",
     GetWarnDelete,
     SetWarnDelete,
     "\\Outlook\\Options\\General",
     {"WarnDelete"},
     {false, false, true, false, false},
     1,
     0},
    {"CheckDefaultClient",
     GetCheckDefaultClient,
     SetCheckDefaultClient,
     "\\Outlook\\Options\\General",
     {"Check Default Client"},
     {false, false, true, false, false},
     1,
     0},
    {"SharedFolderScript",
     GetSharedFolderScript,
     SetSharedFolderScript,
     "\\Outlook\\Security",
     {"SharedFolderScript"},
     {false, false, true, false, false},
     1,
     0},
    {"PublicFolderScript",
     GetPublicFolderScript,
     SetPublicFolderScript,
     "\\Outlook\\Security",
     {"PublicFolderScript"},
     {true, false, true, false, false},
     1,
     0},
    {"BlockExtContent",
     GetBlockExtContent,
     SetBlockExtContent,
     "\\Outlook\\Options\\Mail",
     {"BlockExtContent"},
     {true, false, true, false, false},
     1,
     0},
};

std::string Key(const DwordOption& option) {
    return std::string("Software\\Microsoft\\Office\\11.0") + option.suffix;
}

class OutlookOptions : public ::testing::Test {
  protected:
    testing::RegistrySandbox sandbox;
};

TEST_F(OutlookOptions, ReadsFollowEachOptionsRule) {
    const std::array<std::optional<RawValue>, 5> states = {
        std::nullopt, registry::EncodeDword(0), registry::EncodeDword(1), registry::EncodeDword(2),
        registry::EncodeText("1")};
    for (const auto& option : kOptions) {
        for (std::size_t state = 0; state < states.size(); ++state) {
            SCOPED_TRACE(std::string(option.name) + " state " + std::to_string(state));
            registry::Registry().RemovePath("Software");
            sandbox.MakeKey(Hive::CurrentUser, Key(option));
            if (states[state]) {
                for (const char* value : option.values) {
                    sandbox.Put(Hive::CurrentUser, Key(option), value, *states[state]);
                }
            }
            EXPECT_EQ(option.get("11.0"), option.reads[state]);
        }
    }
}

TEST_F(OutlookOptions, WritesStoreNumbersOrRemoveOverAnyOldValue) {
    for (const auto& option : kOptions) {
        for (const bool on : {true, false}) {
            SCOPED_TRACE(std::string(option.name) + (on ? " on" : " off"));
            for (const char* value : option.values) {
                sandbox.PutText(Hive::CurrentUser, Key(option), value, "old");
            }
            EXPECT_TRUE(option.set("11.0", on));
            const auto expected = on ? option.on : option.off;
            for (const char* value : option.values) {
                const auto stored = sandbox.Get(Hive::CurrentUser, Key(option), value);
                if (expected) {
                    EXPECT_EQ(stored, registry::EncodeDword(*expected)) << value;
                } else {
                    EXPECT_FALSE(stored.has_value()) << value;
                }
            }
            EXPECT_EQ(option.get("11.0"), on != (std::string(option.name) == "DoAging"));
        }
    }
}

TEST_F(OutlookOptions, TheExternalContentWarningIsAText) {
    const std::string key = "Software\\Microsoft\\Office\\11.0\\Outlook\\Options\\General";
    struct Case {
        std::optional<RawValue> stored;
        bool ticked;
    };
    for (const auto& c : std::initializer_list<Case>{{std::nullopt, true},
                                                     {registry::EncodeText(""), true},
                                                     {registry::EncodeText("32,"), false},
                                                     {registry::EncodeText("32,7"), false},
                                                     {registry::EncodeDword(0), false}}) {
        registry::Registry().RemovePath("Software");
        sandbox.MakeKey(Hive::CurrentUser, key);
        if (c.stored) {
            sandbox.Put(Hive::CurrentUser, key, "PONT_STRING", *c.stored);
        }
        EXPECT_EQ(GetPontString("11.0"), c.ticked);
    }
    sandbox.PutText(Hive::CurrentUser, key, "PONT_STRING", "32,7");
    EXPECT_TRUE(SetPontString("11.0", false));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, key, "PONT_STRING"), registry::EncodeText("32,"));
    EXPECT_TRUE(SetPontString("11.0", true));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, key, "PONT_STRING"), registry::EncodeText(""));
}

TEST_F(OutlookOptions, ReadingCreatesTheKeyButNoValue) {
    EXPECT_FALSE(GetIMEnabled("11.0"));
    EXPECT_TRUE(
        sandbox.Exists(Hive::CurrentUser, "Software\\Microsoft\\Office\\11.0\\Outlook\\IM"));
    EXPECT_FALSE(sandbox.Get(Hive::CurrentUser, "Software\\Microsoft\\Office\\11.0\\Outlook\\IM",
                             "Enabled"));
}

TEST_F(OutlookOptions, AnEmptyVersionKeyTouchesNothing) {
    for (const auto& option : kOptions) {
        EXPECT_FALSE(option.get("")) << option.name;
        EXPECT_FALSE(option.set("", true)) << option.name;
    }
    EXPECT_FALSE(GetPontString(""));
    EXPECT_FALSE(SetPontString("", false));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software"));
}

TEST_F(OutlookOptions, AKeyThatCannotBeOpenedReadsUntickedAndIsNotWritten) {
    const std::string key = "Software\\Microsoft\\Office\\11.0\\Outlook\\Options\\Mail";
    sandbox.PutDword(Hive::CurrentUser, key, "BlockExtContent", 1);
    sandbox.DenyFullAccess(Hive::CurrentUser, key);
    EXPECT_FALSE(GetBlockExtContent("11.0"));
    EXPECT_FALSE(SetBlockExtContent("11.0", false));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, key, "BlockExtContent"), registry::EncodeDword(1));
}

TEST_F(OutlookOptions, ErrorReportsNeedAllFourValues) {
    const std::string key = "Software\\Microsoft\\Office\\11.0\\Common";
    for (const char* value : {"DWNeverUpload", "DWNoExternalURL", "DWNoSecondLevelCollection"}) {
        sandbox.PutDword(Hive::CurrentUser, key, value, 1);
    }
    EXPECT_FALSE(GetErrorReports("11.0"));
    EXPECT_TRUE(SetErrorReports("11.0", true));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, key, "DWNoFileCollection"), registry::EncodeDword(1));
    EXPECT_TRUE(GetErrorReports("11.0"));
}

}  // namespace
}  // namespace brevolt
