#include "registry/ValueCodec.h"

#include "base/Unicode.h"

namespace brevolt::registry {

bool IsTextType(ValueType type) {
    return type == ValueType::Text || type == ValueType::ExpandText;
}

std::string DecodeText(const RawValue& value) {
    const auto& bytes = value.data;
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const auto unit = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
        if (unit == 0) {
            break;
        }
        units += unit;
    }
    return text::Utf16ToUtf8(units);
}

RawValue EncodeText(std::string_view text) {
    RawValue value{ValueType::Text, {}};
    const std::u16string units = text::Utf8ToUtf16(text);
    value.data.reserve((units.size() + 1) * 2);
    for (const char16_t unit : units) {
        value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

RawValue EncodeDword(std::uint32_t number) {
    return {ValueType::Dword,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

std::uint32_t DecodeDword(const RawValue& value) {
    const auto& b = value.data;
    return static_cast<std::uint32_t>(b.at(0)) | (static_cast<std::uint32_t>(b.at(1)) << 8) |
           (static_cast<std::uint32_t>(b.at(2)) << 16) |
           (static_cast<std::uint32_t>(b.at(3)) << 24);
}

}  // namespace brevolt::registry
