#pragma once

#include <string>
#include <string_view>

// The program keeps text as UTF-8 inside; these are the only conversions to and from the
// encodings it meets at its edges: UTF-16 (the Win32 API and registry data) and code page 1252
// (the ANSI settings file). Malformed input never fails: it becomes U+FFFD, or "?" in 1252.
namespace brevolt::text {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

std::string Cp1252ToUtf8(std::string_view ansi);
std::string Utf8ToCp1252(std::string_view utf8);

// Number of code points; malformed bytes count one each.
std::size_t CodePointCount(std::string_view utf8);
// The first `count` code points (the whole text when it is shorter).
std::string FirstCodePoints(std::string_view utf8, std::size_t count);

}  // namespace brevolt::text
