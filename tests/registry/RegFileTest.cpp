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
    EXPECT_EQ(TextOf(registry::RegFileBytes(changes)),
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

}  // namespace
}  // namespace brevolt
