// The access layer's behaviour, the same on every backend: natively on the in-memory registry,
// under Wine on the real one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Unicode.h"
#include "registry/Exceptions.h"
#include "registry/Registry.h"
#include "registry/ValueCodec.h"
#include "support/RegistrySandbox.h"

namespace brevolt {
namespace {

using registry::Hive;
using registry::RawValue;
using registry::Registry;
using registry::RegistryError;
using registry::ValueType;

// The message of the error the call raises, or "" when it raises none.
template <typename Call>
std::string RaisedMessage(Call&& call) {
    try {
        call();
    } catch (const RegistryError& error) {
        return error.what();
    }
    return "";
}

RawValue Bytes(ValueType type, std::vector<std::uint8_t> data) {
    return {type, std::move(data)};
}

class RegistryBehaviour : public ::testing::Test {
  protected:
    testing::RegistrySandbox sandbox;
    Registry reg;
};

TEST_F(RegistryBehaviour, OpenPathCreatesOnlyWhenAskedAndKeepsTheOldKeyOnFailure) {
    EXPECT_FALSE(reg.OpenPath("Software\\Brevolt\\A", false));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software\\Brevolt"));

    ASSERT_TRUE(reg.OpenPath("Software\\Brevolt\\A", true));
    EXPECT_TRUE(sandbox.Exists(Hive::CurrentUser, "Software\\Brevolt\\A"));
    reg.WriteText("Where", "A");

    EXPECT_FALSE(reg.OpenPath("Missing", false));
    EXPECT_EQ(reg.ReadText("Where"), "A");  // still the old key
}

TEST_F(RegistryBehaviour, RelativePathsContinueTheOpenKeyAndABackslashStartsAtTheRoot) {
    ASSERT_TRUE(reg.OpenPath("Software\\Brevolt", true));
    ASSERT_TRUE(reg.OpenPath("Inner", true));
    EXPECT_TRUE(sandbox.Exists(Hive::CurrentUser, "Software\\Brevolt\\Inner"));

    ASSERT_TRUE(reg.OpenPath("\\Top", true));
    EXPECT_TRUE(sandbox.Exists(Hive::CurrentUser, "Top"));

    reg.ClosePath();
    ASSERT_TRUE(reg.OpenPath("Software", false));  // no key open: from the root
}

TEST_F(RegistryBehaviour, PathsWithAnEmptyNameOpenAndCreateNothing) {
    for (const char* path : {"Software\\\\Security", "Software\\Office\\", "\\\\Software"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(reg.OpenPath(path, true));
        EXPECT_FALSE(reg.PathExists(path));
        EXPECT_EQ(RaisedMessage([&] { reg.MakePath(path); }),
                  std::string("Erzeugung von Schlüssel ") + path + " misslungen");
    }
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software"));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software\\Office"));
}

TEST_F(RegistryBehaviour, MakePathCreatesTheWholePathAndKeepsNoneOfItOpen) {
    ASSERT_TRUE(reg.OpenPath("Base", true));
    reg.MakePath("One\\Two");
    EXPECT_TRUE(sandbox.Exists(Hive::CurrentUser, "Base\\One\\Two"));
    reg.WriteText("Here", "base");
    EXPECT_TRUE(sandbox.Get(Hive::CurrentUser, "Base", "Here").has_value());

    const std::string tooLong(300, 'x');
    EXPECT_EQ(RaisedMessage([&] { reg.MakePath(tooLong); }),
              "Erzeugung von Schlüssel " + tooLong + " misslungen");
}

TEST_F(RegistryBehaviour, AKeyTheUserMayOnlyReadExistsButCannotBeOpened) {
    sandbox.MakeKey(Hive::CurrentUser, "Locked");
    sandbox.DenyFullAccess(Hive::CurrentUser, "Locked");
    EXPECT_TRUE(reg.PathExists("Locked"));
    EXPECT_FALSE(reg.OpenPath("Locked", false));
    EXPECT_FALSE(reg.OpenPath("Locked", true));
}

TEST_F(RegistryBehaviour, RemovePathDeletesTheKeyWithEverythingBelowIt) {
    sandbox.PutText(Hive::CurrentUser, "Gone\\A\\B", "V", "x");
    sandbox.PutText(Hive::CurrentUser, "Gone\\C", "V", "x");
    sandbox.MakeKey(Hive::CurrentUser, "Stays");
    EXPECT_TRUE(reg.RemovePath("Gone"));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Gone"));
    EXPECT_TRUE(sandbox.Exists(Hive::CurrentUser, "Stays"));
    EXPECT_FALSE(reg.RemovePath("Gone"));
    EXPECT_FALSE(reg.RemovePath("Stays\\\\"));
}

TEST_F(RegistryBehaviour, HasValueAndRemoveValue) {
    ASSERT_TRUE(reg.OpenPath("K", true));
    reg.WriteDword("Number", 1);
    sandbox.Put(Hive::CurrentUser, "K", "Odd", Bytes(ValueType::Binary, {1, 2, 3}));
    EXPECT_TRUE(reg.HasValue("Number"));
    EXPECT_TRUE(reg.HasValue("odd"));  // names match without regard to case
    EXPECT_FALSE(reg.HasValue("Missing"));

    EXPECT_TRUE(reg.RemoveValue("Number"));
    EXPECT_FALSE(reg.HasValue("Number"));
    EXPECT_FALSE(reg.RemoveValue("Number"));

    reg.ClosePath();
    EXPECT_FALSE(reg.HasValue("Odd"));
    EXPECT_FALSE(reg.RemoveValue("Odd"));
}

TEST_F(RegistryBehaviour, ReadTextDecodesTextValuesSafely) {
    struct Case {
        const char* name;
        RawValue stored;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"Plain", registry::EncodeText("Gefährlich"), "Gefährlich"},
        {"Empty", Bytes(ValueType::Text, {}), ""},
        {"OnlyZero", Bytes(ValueType::Text, {0, 0}), ""},
        {"NoZero", Bytes(ValueType::Text, {'A', 0, 'B', 0}), "AB"},
        {"OddCount", Bytes(ValueType::Text, {'A', 0, 'B'}), "A"},
        {"UpToZero", Bytes(ValueType::Text, {'A', 0, 0, 0, 'B', 0, 0, 0}), "A"},
        {"Expandable", Bytes(ValueType::ExpandText, {'%', 0, 'X', 0, '%', 0, 0, 0}), "%X%"},
        {"Surrogates", Bytes(ValueType::Text, {0x3D, 0xD8, 0x00, 0xDE, 0, 0}), "\xF0\x9F\x98\x80"},
        {"LoneSurrogate", Bytes(ValueType::Text, {0x3D, 0xD8, 'A', 0}),
         "\xEF\xBF\xBD"
         "A"},
    };
    for (const auto& c : cases) {
        sandbox.Put(Hive::CurrentUser, "T", c.name, c.stored);
    }
    ASSERT_TRUE(reg.OpenPath("T", false));
    for (const auto& c : cases) {
        EXPECT_EQ(reg.ReadText(c.name), c.expected) << c.name;
    }
    EXPECT_EQ(reg.ReadText("Missing"), "");
}

TEST_F(RegistryBehaviour, ReadTextOfAValueOfSeveralMegabytes) {
    RawValue large{ValueType::Text, std::vector<std::uint8_t>(4 * 1024 * 1024, 'a')};
    sandbox.Put(Hive::CurrentUser, "T", "Large", large);
    ASSERT_TRUE(reg.OpenPath("T", false));
    const std::string text = reg.ReadText("Large");
    EXPECT_EQ(text::CodePointCount(text), 2u * 1024 * 1024);
    EXPECT_EQ(text.find_first_not_of("\xE6\x85\xA1"), std::string::npos);  // U+6161, 'aa'
}

TEST_F(RegistryBehaviour, ReadDwordAcceptsOnlyFourByteNumbers) {
    struct Case {
        const char* name;
        RawValue stored;
        std::string error;  // "" when the read gives `expected`
        std::uint32_t expected;
    };
    const std::vector<Case> cases = {
        {"Zero", registry::EncodeDword(0), "", 0},
        {"Big", registry::EncodeDword(0xFFFFFFFEu), "", 0xFFFFFFFEu},
        {"Short", Bytes(ValueType::Dword, {1, 0}), "Fehler beim Holen der Daten für 'Short'", 0},
        {"Long", Bytes(ValueType::Dword, {1, 0, 0, 0, 0}), "Fehler beim Holen der Daten für 'Long'",
         0},
        {"Text", registry::EncodeText("1"), "Ungültiger Datentyp für 'Text'", 0},
        {"Binary", Bytes(ValueType::Binary, {1, 0, 0, 0}), "Ungültiger Datentyp für 'Binary'", 0},
        {"Qword", Bytes(ValueType::Qword, {1, 0, 0, 0, 0, 0, 0, 0}),
         "Ungültiger Datentyp für 'Qword'", 0},
    };
    for (const auto& c : cases) {
        sandbox.Put(Hive::CurrentUser, "D", c.name, c.stored);
    }
    ASSERT_TRUE(reg.OpenPath("D", false));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::uint32_t read = 0;
        EXPECT_EQ(RaisedMessage([&] { read = reg.ReadDword(c.name); }), c.error);
        EXPECT_EQ(read, c.expected);
    }
    EXPECT_EQ(RaisedMessage([&] { reg.ReadDword("Missing"); }),
              "Fehler beim Holen der Daten für 'Missing'");
}

TEST_F(RegistryBehaviour, ReadTextRefusesOtherTypes) {
    sandbox.PutDword(Hive::CurrentUser, "T", "Number", 1);
    sandbox.Put(Hive::CurrentUser, "T", "Multi", Bytes(ValueType::MultiText, {'A', 0, 0, 0, 0, 0}));
    ASSERT_TRUE(reg.OpenPath("T", false));
    EXPECT_EQ(RaisedMessage([&] { reg.ReadText("Number"); }), "Ungültiger Datentyp für 'Number'");
    EXPECT_EQ(RaisedMessage([&] { reg.ReadText("Multi"); }), "Ungültiger Datentyp für 'Multi'");
}

TEST_F(RegistryBehaviour, WritesStoreTextWithItsZeroAndNumbersAsFourBytes) {
    ASSERT_TRUE(reg.OpenPath("W", true));
    sandbox.PutDword(Hive::CurrentUser, "W", "Replaced", 7);
    reg.WriteText("Replaced", "Ä");
    reg.WriteText("Empty", "");
    reg.WriteDword("Number", 0x01020304);
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, "W", "Replaced"),
              Bytes(ValueType::Text, {0xC4, 0, 0, 0}));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, "W", "Empty"), Bytes(ValueType::Text, {0, 0}));
    EXPECT_EQ(sandbox.Get(Hive::CurrentUser, "W", "Number"), Bytes(ValueType::Dword, {4, 3, 2, 1}));
}

TEST_F(RegistryBehaviour, WritesRaiseWhenTheValueCannotBeSet) {
    EXPECT_EQ(RaisedMessage([&] { reg.WriteText("NoKey", "x"); }),
              "Fehler beim Setzen der Daten für 'NoKey'");
    ASSERT_TRUE(reg.OpenPath("Doomed", true));
    Registry other;
    ASSERT_TRUE(other.RemovePath("Doomed"));
    EXPECT_EQ(RaisedMessage([&] { reg.WriteText("Text", "x"); }),
              "Fehler beim Setzen der Daten für 'Text'");
    EXPECT_EQ(RaisedMessage([&] { reg.WriteDword("Number", 1); }),
              "Fehler beim Setzen der Daten für 'Number'");
}

TEST_F(RegistryBehaviour, ListSubkeysEmptiesTheListFirst) {
    for (const char* name : {"Charlie", "alpha", "Bravo"}) {
        sandbox.MakeKey(Hive::CurrentUser, std::string("L\\") + name);
    }
    sandbox.MakeKey(Hive::CurrentUser, "L\\Bravo\\Deeper");
    std::vector<std::string> list = {"old"};
    reg.ListSubkeys(list);
    EXPECT_TRUE(list.empty());  // no key open

    ASSERT_TRUE(reg.OpenPath("L", false));
    list = {"old"};
    reg.ListSubkeys(list);
    EXPECT_EQ(list, (std::vector<std::string>{"alpha", "Bravo", "Charlie"}));
}

TEST_F(RegistryBehaviour, SetRootSwitchesHiveAndClosesTheKey) {
    ASSERT_TRUE(reg.OpenPath("Software\\Shared", true));
    reg.SetRoot(Hive::LocalMachine);
    EXPECT_FALSE(reg.HasValue("Anything"));
    EXPECT_EQ(RaisedMessage([&] { reg.WriteText("V", "x"); }),
              "Fehler beim Setzen der Daten für 'V'");
    ASSERT_TRUE(reg.OpenPath("Software\\Machine", true));
    reg.WriteDword("V", 5);
    EXPECT_EQ(sandbox.Get(Hive::LocalMachine, "Software\\Machine", "V"), registry::EncodeDword(5));
    EXPECT_FALSE(sandbox.Exists(Hive::CurrentUser, "Software\\Machine"));

    reg.SetRoot(Hive::LocalMachine);  // no change: the key stays open
    EXPECT_TRUE(reg.HasValue("V"));
}

}  // namespace
}  // namespace brevolt
