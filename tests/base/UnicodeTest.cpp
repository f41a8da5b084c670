#include <gtest/gtest.h>

#include "base/Unicode.h"

namespace brevolt {
namespace {

using namespace text;

TEST(Unicode, Utf16RoundTripsEveryPlane) {
    const std::string samples[] = {"", "ASCII", "Änderung ß", "€ 漢字", "\xF0\x9F\x98\x80"};
    for (const auto& sample : samples) {
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(sample)), sample);
    }
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), (std::u16string{0xD83D, 0xDE00}));
}

TEST(Unicode, MalformedInputBecomesReplacementCharacters) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
    };
    for (const auto& c : std::initializer_list<Case>{
             {"\xC3", u"\xFFFD"},                                // cut short
             {"\xC0\xAF", u"\xFFFD\xFFFD"},                      // overlong
             {"\xED\xA0\x80", u"\xFFFD\xFFFD\xFFFD"},            // surrogate
             {"\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},  // above U+10FFFF
             {"a\xFF"
              "b",
              u"a\xFFFD"
              "b"},
         }) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, u'x', 0xD800}), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(Unicode, CodePage1252MapsItsOwnCharactersAndReplacesOthers) {
    EXPECT_EQ(Cp1252ToUtf8("\xC4\x80\x9F\xFF"), "Ä€Ÿÿ");
    EXPECT_EQ(Utf8ToCp1252("Ä€Ÿÿ"), "\xC4\x80\x9F\xFF");
    EXPECT_EQ(Utf8ToCp1252("漢\xF0\x9F\x98\x80"), "??");
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");  // undefined bytes keep their number
    EXPECT_EQ(Utf8ToCp1252("\xC2\x81"), "\x81");
}

TEST(Unicode, CountingAndCuttingByCodePoints) {
    EXPECT_EQ(CodePointCount("aäß€"), 4u);
    EXPECT_EQ(FirstCodePoints("aäß€", 2), "aä");
    EXPECT_EQ(FirstCodePoints("ab", 5), "ab");
}

}  // namespace
}  // namespace brevolt
