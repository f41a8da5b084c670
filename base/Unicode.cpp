#include "base/Unicode.h"

#include <utf8.h>

#include <array>
#include <cstdint>
#include <iterator>

namespace brevolt::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

// Decodes one code point at `at`; a malformed sequence yields U+FFFD and consumes one byte.
// The check utf8::next makes, without the exception it throws: one for every malformed byte
// would cost microseconds each.
Decoded DecodeUtf8(std::string_view s, std::size_t at) {
    if (static_cast<unsigned char>(s[at]) < 0x80) {
        return {static_cast<char32_t>(s[at]), 1};  // ASCII, most of what the program reads
    }
    const char* const start = s.data() + at;
    const char* next = start;
    std::uint32_t cp = 0;
    if (utf8::internal::validate_next(next, s.data() + s.size(), cp) != utf8::internal::UTF8_OK) {
        return {kReplacement, 1};
    }
    return {static_cast<char32_t>(cp), static_cast<std::size_t>(next - start)};
}

// Only valid code points reach here (decoded ones, the code page's, U+FFFD).
void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
        return;
    }
    utf8::append(cp, std::back_inserter(out));
}

// Code page 1252 bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Cp1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = kCp1252High[byte - 0x80];
        // Undefined bytes map to the C1 control of the same number, as Windows does.
        return mapped != 0 ? mapped : byte;
    }
    return byte;
}

char CodePointToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == cp || (kCp1252High[i] == 0 && cp == 0x80 + i)) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [cp, length] = DecodeUtf8(utf8, at);
        at += length;
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            out += static_cast<char16_t>(0xD800 | (v >> 10));
            out += static_cast<char16_t>(0xDC00 | (v & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        const char16_t unit = utf16[at];
        char32_t cp = unit;
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < utf16.size() && utf16[at + 1] >= 0xDC00 &&
            utf16[at + 1] <= 0xDFFF) {
            cp = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (utf16[at + 1] - 0xDC00);
            ++at;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            cp = kReplacement;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (const char c : ansi) {
        AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [cp, length] = DecodeUtf8(utf8, at);
        at += length;
        out += CodePointToCp1252(cp);
    }
    return out;
}

std::size_t CodePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < utf8.size(); ++count) {
        at += DecodeUtf8(utf8, at).length;
    }
    return count;
}

std::string FirstCodePoints(std::string_view utf8, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t taken = 0; taken < count && at < utf8.size(); ++taken) {
        at += DecodeUtf8(utf8, at).length;
    }
    return std::string(utf8.substr(0, at));
}

}  // namespace brevolt::text
