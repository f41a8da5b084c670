#include "base/UpperCase.h"

#include <algorithm>

#include "base/Unicode.h"

namespace brevolt::text {
namespace {

char16_t Upper(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return static_cast<char16_t>(c - 0x20);
    }
    switch (c) {
        case 0x0161:  // š
        case 0x0153:  // œ
        case 0x017E:  // ž
            return static_cast<char16_t>(c - 1);
        case 0x00FF:  // ÿ
            return 0x0178;
        default:
            return c;
    }
}

}  // namespace

// The portable build's rules; the Windows build asks the system (win32/SystemUpperCase.cpp).
std::string UpperCase(std::string_view utf8) {
    // ASCII, nearly every text upper-cased (file types), needs no round trip through UTF-16.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; })) {
        std::string upper(utf8);
        for (auto& c : upper) {
            c = static_cast<char>(Upper(static_cast<char16_t>(c)));
        }
        return upper;
    }
    std::u16string units = Utf8ToUtf16(utf8);
    for (auto& unit : units) {
        unit = Upper(unit);
    }
    return Utf16ToUtf8(units);
}

}  // namespace brevolt::text
