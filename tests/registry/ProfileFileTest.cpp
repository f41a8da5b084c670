// The portable settings file apart from the disk, and the encodings it keeps.
#include <gtest/gtest.h>

#include "registry/ProfileFile.h"
#include "support/TempDir.h"

namespace brevolt {
namespace {

using registry::ProfileFile;

TEST(ProfileFile, LookupFindsTheFirstMatchOfTheFirstMatchingSection) {
    struct Case {
        std::string bytes;
        std::string expected;
    };
    for (const auto& c : std::initializer_list<Case>{
             {"[Brevolt]\nLastVersion=9.0\nLastVersion=10.0\n", "9.0"},
             {"[Brevolt]\r\nA=1\r\n[Brevolt]\r\nLastVersion=10.0\r\n", "default"},
             {"  [ Brevolt ]  \nLastVersion\t=\t11.0", "11.0"},
             {"LastVersion=6.0\n[Brevolt]", "default"},
             {"[Brevolt]\nLastVersion='quoted'", "quoted"},
             {"[Brevolt]\nLastVersion=\"half", "\"half"},
             {"[Brevolt]\nLastVersion=a=b", "a=b"},
             {"[Brevolt]\nLastVersion", "default"},
             {"[Brevolt\nLastVersion=open", "open"},
             {"", "default"},
         }) {
        EXPECT_EQ(ProfileFile::Lookup(c.bytes, "Brevolt", "LastVersion", "default"), c.expected)
            << c.bytes;
    }
}

TEST(ProfileFile, ByteOrderMarksChooseTheEncodingAndWritesKeepIt) {
    testing::TempDir dir;
    ProfileFile profiles;
    const std::string utf16 =
        std::string("\xFF\xFE", 2) + std::string("[\0B\0]\0\r\0\n\0X\0=\0\xC4\0", 16);
    testing::WriteFileBytes(dir.File("u16.ini"), utf16);
    EXPECT_EQ(profiles.read(dir.File("u16.ini"), "B", "X", ""), "Ä");
    ASSERT_TRUE(profiles.write(dir.File("u16.ini"), "B", "X", "€"));
    EXPECT_EQ(
        testing::ReadFileBytes(dir.File("u16.ini")),
        std::string("\xFF\xFE", 2) + std::string("[\0B\0]\0\r\0\n\0X\0=\0\xAC\x20\r\0\n\0", 20));

    testing::WriteFileBytes(dir.File("u8.ini"), "\xEF\xBB\xBF[B]\nX=\xC3\x84\n");
    EXPECT_EQ(profiles.read(dir.File("u8.ini"), "B", "X", ""), "Ä");

    ASSERT_TRUE(profiles.write(dir.File("ansi.ini"), "B", "X", "Ä漢"));
    EXPECT_EQ(testing::ReadFileBytes(dir.File("ansi.ini")), "[B]\r\nX=\xC4?\r\n");
}

TEST(ProfileFile, NewKeysGoAfterTheLastEntryOfTheirSection) {
    testing::TempDir dir;
    ProfileFile profiles;
    testing::WriteFileBytes(dir.File("m.ini"), "[A]\r\nOne=1\r\n\r\n[B]\r\nTwo=2\r\n");
    ASSERT_TRUE(profiles.write(dir.File("m.ini"), "a", "New", "n"));
    EXPECT_EQ(testing::ReadFileBytes(dir.File("m.ini")),
              "[A]\r\nOne=1\r\nNew=n\r\n\r\n[B]\r\nTwo=2\r\n");
}

}  // namespace
}  // namespace brevolt
