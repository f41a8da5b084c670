#include <gtest/gtest.h>

#include "app/uGlobalVar.h"
#include "registry/Exceptions.h"
#include "registry/ValueCodec.h"
#include "registry/uRegProc.h"
#include "support/RegistrySandbox.h"
#include "support/SharedState.h"

namespace brevolt {
namespace {

using registry::Hive;

const std::string kOutlook = "Software\\Microsoft\\Office\\11.0\\Outlook\\Security";
const std::string kOffice = "Software\\Microsoft\\Office\\11.0\\Security";

class Level1Lists : public ::testing::Test {
  protected:
    std::optional<std::string> Text(const std::string& key, const std::string& name) {
        const auto value = sandbox.Get(Hive::CurrentUser, key, name);
        if (!value) {
            return std::nullopt;
        }
        return registry::DecodeText(*value);
    }

    testing::FreshSharedState state;
    testing::RegistrySandbox sandbox;
};

// The user's own list is kept exactly as stored; the other two are upper-cased and trimmed.
TEST_F(Level1Lists, ReadsUpperCaseAndTrimOneSeparatorAtEachEnd) {
    struct Case {
        const char* stored;
        const char* read;
    };
    for (const auto& c : std::initializer_list<Case>{{";ade;bat;", "ADE;BAT"},
                                                     {";;ADE", ";ADE"},
                                                     {";", ""},
                                                     {"äöü", "ÄÖÜ"},
                                                     {" chm ; .hlp", " CHM ; .HLP"}}) {
        sandbox.PutText(Hive::CurrentUser, kOutlook, "Level1Remove", c.stored);
        sandbox.PutText(Hive::CurrentUser, kOutlook, "Level1RemoveUser", c.stored);
        sandbox.PutText(Hive::CurrentUser, kOutlook, "Level1Add", c.stored);
        EXPECT_TRUE(uRegProc::ReadUnblockedExts("11.0"));
        EXPECT_TRUE(uRegProc::ReadOwnExts("11.0"));
        EXPECT_TRUE(uRegProc::ReadBlockedExts("11.0"));
        EXPECT_EQ(uGlobalVar::UnblockedExts, c.read) << c.stored;
        EXPECT_EQ(uGlobalVar::OwnExts, c.stored);
        EXPECT_EQ(uGlobalVar::BlockedExts, c.read) << c.stored;
    }
}

TEST_F(Level1Lists, AMissingKeyIsCreatedAndReadsEmpty) {
    uGlobalVar::UnblockedExts = "OLD";
    EXPECT_TRUE(uRegProc::ReadUnblockedExts("6.0"));
    EXPECT_EQ(uGlobalVar::UnblockedExts, "");
    EXPECT_TRUE(
        sandbox.Exists(Hive::CurrentUser, "Software\\Microsoft\\Office\\6.0\\Outlook\\Security"));
}

TEST_F(Level1Lists, AnEmptyVersionKeyDoesNothing) {
    uGlobalVar::UnblockedExts = ";CHM;";
    uGlobalVar::OwnExts = "OWN";
    EXPECT_FALSE(uRegProc::ReadUnblockedExts(""));
    EXPECT_FALSE(uRegProc::ReadOwnExts(""));
    EXPECT_FALSE(uRegProc::WriteUnblockedExts(""));
    EXPECT_FALSE(uRegProc::WriteBlockedExts(""));
    EXPECT_FALSE(uRegProc::WriteOwnExts(""));
    EXPECT_FALSE(uRegProc::ResetOfficeLevel1Add(""));
    EXPECT_FALSE(uRegProc::ResetOfficeLevel1Remove(""));
    EXPECT_EQ(uGlobalVar::UnblockedExts, ";CHM;");
    EXPECT_EQ(uGlobalVar::OwnExts, "OWN");
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software"));
}

TEST_F(Level1Lists, AKeyThatCannotBeOpenedLeavesTheListButStillTrimsIt) {
    sandbox.PutText(Hive::CurrentUser, kOutlook, "Level1Remove", "NEW");
    sandbox.DenyFullAccess(Hive::CurrentUser, kOutlook);
    uGlobalVar::UnblockedExts = ";OLD;";
    EXPECT_FALSE(uRegProc::ReadUnblockedExts("11.0"));
    EXPECT_EQ(uGlobalVar::UnblockedExts, "OLD");
    EXPECT_FALSE(uRegProc::WriteUnblockedExts("11.0"));
    EXPECT_EQ(Text(kOutlook, "Level1Remove"), "NEW");
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, kOffice));
}

TEST_F(Level1Lists, AValueOfTheWrongTypeRaisesAndLeavesTheList) {
    sandbox.PutDword(Hive::CurrentUser, kOutlook, "Level1Remove", 1);
    uGlobalVar::UnblockedExts = "OLD";
    try {
        uRegProc::ReadUnblockedExts("11.0");
        FAIL() << "no error raised";
    } catch (const registry::ERegistryException& error) {
        EXPECT_STREQ(error.what(), "Ungültiger Datentyp für 'Level1Remove'");
    }
    EXPECT_EQ(uGlobalVar::UnblockedExts, "OLD");
}

TEST_F(Level1Lists, AnAddListThatIsNoTextHoldsNothingToKeep) {
    const std::vector<registry::RawValue> stored = {
        {registry::ValueType::Dword, {1, 0, 0, 0}},
        {registry::ValueType::Binary, {'E', 0, 'X', 0, 'E', 0}},
        {registry::ValueType::MultiText, {'E', 0, 'X', 0, 'E', 0, 0, 0, 0, 0}},
    };
    for (const auto& value : stored) {
        sandbox.Put(Hive::CurrentUser, kOutlook, "Level1Add", value);
        uGlobalVar::BlockedExts = "OLD";
        EXPECT_TRUE(uRegProc::ReadBlockedExts("11.0"));
        EXPECT_EQ(uGlobalVar::BlockedExts, "");
    }
}

TEST_F(Level1Lists, EveryWriteResetsTheOfficeWideAddListToOneBlank) {
    uGlobalVar::UnblockedExts = "CHM;HLP";
    uGlobalVar::BlockedExts = "";
    uGlobalVar::OwnExts = "XYZ";
    sandbox.PutText(Hive::CurrentUser, kOffice, "Level1Add", "EXE");
    sandbox.PutDword(Hive::CurrentUser, kOffice, "Level1Remove", 3);  // replaced whatever its type

    EXPECT_TRUE(uRegProc::WriteUnblockedExts("11.0"));
    EXPECT_EQ(Text(kOffice, "Level1Add"), " ");
    EXPECT_TRUE(uRegProc::WriteBlockedExts("11.0"));
    EXPECT_TRUE(uRegProc::WriteOwnExts("11.0"));
    EXPECT_TRUE(uRegProc::ResetOfficeLevel1Remove("11.0"));

    EXPECT_EQ(Text(kOutlook, "Level1Remove"), "CHM;HLP");
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kOutlook, "Level1Add"),
              (registry::RawValue{registry::ValueType::Text, {0, 0}}));  // empty, not deleted
    EXPECT_EQ(Text(kOutlook, "Level1RemoveUser"), "XYZ");
    EXPECT_EQ(Text(kOffice, "Level1Add"), " ");
    EXPECT_EQ(Text(kOffice, "Level1Remove"), " ");
}

}  // namespace
}  // namespace brevolt
