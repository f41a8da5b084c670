#pragma once

#include <string>
#include <string_view>

#include "base/Unicode.h"

// The two conversions at the Win32 boundary, where wchar_t holds UTF-16.
namespace brevolt::text {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "only for targets with a 16-bit wchar_t");

inline std::wstring Widen(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return {units.begin(), units.end()};
}

inline std::string Narrow(std::wstring_view wide) {
    return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace brevolt::text
