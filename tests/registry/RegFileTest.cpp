// Planning writes without making them, and the registry file that shows them.
#include <gtest/gtest.h>

#include "base/Unicode.h"
#include "registry/MemoryRegistry.h"
#include "registry/PlanningRegistry.h"
#include "registry/RegFile.h"
#include "registry/Registry.h"
#include "registry/ValueCodec.h"

namespace brevolt {
namespace {

using registry::Hive;

// The file's text: its bytes checked for the byte-order mark and decoded from UTF-16 LE.
std::string TextOf(const std::string& bytes) {
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    std::u16string units;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    return text::Utf16ToUtf8(units);
}

TEST(PlanningRegistry, WritesArePlannedInOrderWithTheirLastStateAndNothingIsWritten) {
    registry::MemoryRegistry memory;
    {
        registry::Registry reg(memory);
        ASSERT_TRUE(reg.OpenPath("Software\\A", true));
        reg.WriteText("Kept", "as is");
        reg.WriteDword("Gone", 1);
    }
    const auto before = memory.Snapshot();
    registry::PlanningRegistry plan(memory);
    registry::Registry reg(plan);
    ASSERT_TRUE(reg.OpenPath("Software\\A", true));
    EXPECT_EQ(reg.ReadText("Kept"), "as is") << "reads go through";
    reg.WriteText("New", "first");
    EXPECT_TRUE(reg.RemoveValue("Gone"));
    EXPECT_FALSE(reg.HasValue("Gone"));
    EXPECT_FALSE(reg.RemoveValue("Missing")) << "as the registry answers, and still planned";
    reg.WriteText("NEW", "second");  // names compare without case
    EXPECT_EQ(reg.ReadText("new"), "second");
    EXPECT_FALSE(reg.OpenPath("\\Software\\B", false));
    ASSERT_TRUE(reg.OpenPath("\\Software\\B", true));
    EXPECT_TRUE(reg.OpenPath("\\Software\\B", false)) << "a key created in the plan is there";
    reg.WriteDword("N", 7);

    EXPECT_EQ(memory.Snapshot(), before) << "nothing written";
    const auto changes = plan.Changes();
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0].name, "New");
    EXPECT_EQ(changes[0].value, registry::EncodeText("second"));
    EXPECT_EQ(changes[1].name, "Gone");
    EXPECT_EQ(changes[1].value, std::nullopt);
    EXPECT_EQ(changes[2].name, "Missing") << "another machine may hold it";
    EXPECT_EQ(changes[2].value, std::nullopt);
    EXPECT_EQ(changes[3].key, "Software\\B");
}

TEST(RegFile, KeysOnceInOrderTextsEscapedAndOtherTypesInHex) {
    const std::vector<registry::PlannedChange> changes = {
        {Hive::CurrentUser, "Software\\A", "Text", registry::EncodeText(R"(C:\dir "x" ä)")},
        {Hive::LocalMachine, "Software\\Outlook Express", "N", registry::EncodeDword(0x1F)},
        {Hive::CurrentUser, "Software\\A", "Removed", std::nullopt},
        {Hive::LocalMachine64, "Software\\B", "", registry::EncodeText("two\r\nlines")},
        {Hive::CurrentUser, "Software\\A", "Bytes",
         registry::RawValue{registry::ValueType::Binary, {0x00, 0xAB}}},
    };
    EXPECT_EQ(TextOf(registry::RegFileBytes({{}, changes, {}}, registry::MachineView::Wow6432Node)),
              "Windows Registry Editor Version 5.00\r\n"
              "\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n"
              "\"Text\"=\"C:\\\\dir \\\"x\\\" ä\"\r\n"
              "\"Removed\"=-\r\n"
              "\"Bytes\"=hex(3):00,ab\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Outlook Express]\r\n"
              "\"N\"=dword:0000001f\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software\\B]\r\n"
              "@=hex(1):74,00,77,00,6f,00,0d,00,0a,00,6c,00,69,00,6e,00,65,00,73,00,00,00\r\n"
              "\r\n");
}

// What the program writes for its own use reads back byte for byte, whatever the value holds.
TEST(RegFile, AFileReadsBackAsWritten) {
    using registry::RawValue;
    using registry::ValueType;
    const registry::RegFileContent content{
        {"Brevolt: Stand vor der Speicherung vom 2026-12-11 09:30:05", "ä \"quoted\""},
        {
            {Hive::CurrentUser, "Software\\A", "Text", registry::EncodeText(R"(C:\dir "x" ä €)")},
            {Hive::CurrentUser, "Software\\A", "", registry::EncodeText("default")},
            {Hive::CurrentUser, "Software\\A", "No end", RawValue{ValueType::Text, {'a', 0}}},
            {Hive::CurrentUser, "Software\\A", "Odd", RawValue{ValueType::Text, {'a', 0, 0}}},
            {Hive::CurrentUser, "Software\\A", "Zero inside",
             RawValue{ValueType::Text, {'a', 0, 0, 0, 'b', 0, 0, 0}}},
            {Hive::CurrentUser, "Software\\A", "Lines", registry::EncodeText("a\r\nb")},
            {Hive::CurrentUser, "Software\\A", "Short number", RawValue{ValueType::Dword, {1, 2}}},
            {Hive::CurrentUser, "Software\\A", "Empty", RawValue{ValueType::Binary, {}}},
            {Hive::CurrentUser, "Software\\A", "Odd type",
             RawValue{static_cast<ValueType>(0xFFFFFFFF), {0xFF}}},
            {Hive::CurrentUser, "Software\\A", "Gone", std::nullopt},
            {Hive::LocalMachine, "Software\\Outlook Express", "N", registry::EncodeDword(31)},
            {Hive::LocalMachine64, "Software\\B", "=\"[x]\"", registry::EncodeDword(0)},
        },
        {{Hive::CurrentUser, "Software\\A\\New"}, {Hive::LocalMachine, "Software\\C"}}};
    std::size_t badLine = 99;
    const auto read = registry::ReadRegFile(
        registry::RegFileBytes(content, registry::MachineView::Wow6432Node), badLine);
    ASSERT_TRUE(read.has_value()) << "line " << badLine;
    EXPECT_EQ(badLine, 0u);
    EXPECT_EQ(read->comments, content.comments);
    ASSERT_EQ(read->changes.size(), content.changes.size());
    for (std::size_t i = 0; i < content.changes.size(); ++i) {
        SCOPED_TRACE(content.changes[i].name);
        EXPECT_EQ(read->changes[i].hive, content.changes[i].hive);
        EXPECT_EQ(read->changes[i].key, content.changes[i].key);
        EXPECT_EQ(read->changes[i].name, content.changes[i].name);
        EXPECT_EQ(read->changes[i].value, content.changes[i].value);
    }
    EXPECT_EQ(read->removedKeys, content.removedKeys);
}

// For "reg import /reg:32", the 32-bit view is written as Software\..., as on 32-bit Windows.
TEST(RegFile, AnExportNamesTheMachineKeysAsImportedIntoThe32BitView) {
    const std::vector<registry::PlannedChange> changes = {{Hive::LocalMachine,
                                                           "Software\\Microsoft\\Outlook Express",
                                                           "N", registry::EncodeDword(1)}};
    EXPECT_EQ(TextOf(registry::RegFileBytes({{"import with /reg:32"}, changes, {}},
                                            registry::MachineView::ImportedAs32Bit)),
              "Windows Registry Editor Version 5.00\r\n"
              "; import with /reg:32\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Outlook Express]\r\n"
              "\"N\"=dword:00000001\r\n\r\n");
}

}  // namespace
}  // namespace brevolt
