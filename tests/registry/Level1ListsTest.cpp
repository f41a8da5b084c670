#include <gtest/gtest.h>

#include "registry/Exceptions.h"
#include "registry/ValueCodec.h"
#include "support/RegistrySandbox.h"
#include "unblock/Level1Lists.h"

namespace brevolt {
namespace {

using registry::Hive;
using unblock::ReadBlockedExts;
using unblock::ReadOwnExts;
using unblock::ReadUnblockedExts;
using unblock::ResetOfficeLevel1Add;
using unblock::ResetOfficeLevel1Remove;
using unblock::WriteBlockedExts;
using unblock::WriteOwnExts;
using unblock::WriteUnblockedExts;

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

    testing::RegistrySandbox sandbox;
};

// The add list and the user's own list are kept exactly as stored; the unblocked list is
// upper-cased and trimmed.
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
        EXPECT_EQ(ReadUnblockedExts("11.0"), c.read) << c.stored;
        EXPECT_EQ(ReadOwnExts("11.0"), c.stored);
        EXPECT_EQ(ReadBlockedExts("11.0"), c.stored);
    }
}

// A look at a version writes nothing: a key created here made the version count as installed.
TEST_F(Level1Lists, AMissingKeyReadsEmptyAndIsNotCreated) {
    EXPECT_EQ(ReadUnblockedExts("10.0"), "");
    EXPECT_EQ(ReadBlockedExts("10.0"), "");
    EXPECT_EQ(ReadOwnExts("10.0"), "");
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software"));
}

TEST_F(Level1Lists, AnEmptyVersionKeyDoesNothing) {
    EXPECT_EQ(ReadUnblockedExts(""), std::nullopt);
    EXPECT_EQ(ReadOwnExts(""), std::nullopt);
    EXPECT_FALSE(WriteUnblockedExts("", "CHM"));
    EXPECT_FALSE(WriteBlockedExts("", "CHM"));
    EXPECT_FALSE(WriteOwnExts("", "OWN"));
    EXPECT_FALSE(ResetOfficeLevel1Add(""));
    EXPECT_FALSE(ResetOfficeLevel1Remove(""));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software"));
}

TEST_F(Level1Lists, AKeyThatCanOnlyBeReadIsReadButTakesNothing) {
    sandbox.PutText(Hive::CurrentUser, kOutlook, "Level1Remove", "NEW");
    sandbox.DenyFullAccess(Hive::CurrentUser, kOutlook);
    EXPECT_EQ(ReadUnblockedExts("11.0"), "NEW");
    EXPECT_FALSE(WriteUnblockedExts("11.0", "OLD"));
    EXPECT_EQ(Text(kOutlook, "Level1Remove"), "NEW");
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, kOffice));
}

TEST_F(Level1Lists, AValueOfTheWrongTypeRaises) {
    sandbox.PutDword(Hive::CurrentUser, kOutlook, "Level1Remove", 1);
    try {
        ReadUnblockedExts("11.0");
        FAIL() << "no error raised";
    } catch (const registry::RegistryError& error) {
        EXPECT_STREQ(error.what(), "Ungültiger Datentyp für 'Level1Remove'");
    }
}

TEST_F(Level1Lists, AnAddListThatIsNoTextHoldsNothingToKeep) {
    const std::vector<registry::RawValue> stored = {
        {registry::ValueType::Dword, {1, 0, 0, 0}},
        {registry::ValueType::Binary, {'E', 0, 'X', 0, 'E', 0}},
        {registry::ValueType::MultiText, {'E', 0, 'X', 0, 'E', 0, 0, 0, 0, 0}},
    };
    for (const auto& value : stored) {
        sandbox.Put(Hive::CurrentUser, kOutlook, "Level1Add", value);
        EXPECT_EQ(ReadBlockedExts("11.0"), "");
    }
}

TEST_F(Level1Lists, EveryWriteResetsTheOfficeWideAddListToOneBlank) {
    sandbox.PutText(Hive::CurrentUser, kOffice, "Level1Add", "EXE");
    sandbox.PutDword(Hive::CurrentUser, kOffice, "Level1Remove", 3);  // replaced whatever its type

    EXPECT_TRUE(WriteUnblockedExts("11.0", "CHM;HLP"));
    EXPECT_EQ(Text(kOffice, "Level1Add"), " ");
    EXPECT_TRUE(WriteBlockedExts("11.0", ""));
    EXPECT_TRUE(WriteOwnExts("11.0", "XYZ"));
    EXPECT_TRUE(ResetOfficeLevel1Remove("11.0"));

    EXPECT_EQ(Text(kOutlook, "Level1Remove"), "CHM;HLP");
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, kOutlook, "Level1Add"),
              (registry::RawValue{registry::ValueType::Text, {0, 0}}));  // empty, not deleted
    EXPECT_EQ(Text(kOutlook, "Level1RemoveUser"), "XYZ");
    EXPECT_EQ(Text(kOffice, "Level1Add"), " ");
    EXPECT_EQ(Text(kOffice, "Level1Remove"), " ");
}

}  // namespace
}  // namespace brevolt
