#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "registry/RegistryBackend.h"

// How the access layer turns stored bytes into texts and numbers and back. Decoding accepts any
// bytes: it never reads past the data, whatever its size or content.
namespace brevolt::registry {

bool IsTextType(ValueType type);

// A REG_SZ / REG_EXPAND_SZ payload: UTF-16LE up to the first zero or the end of the data (an odd
// last byte is ignored), unexpanded.
std::string DecodeText(const RawValue& value);

// A REG_SZ of the text with its terminating zero.
RawValue EncodeText(std::string_view text);

// A REG_DWORD of 4 little-endian bytes.
RawValue EncodeDword(std::uint32_t number);

// The number of a REG_DWORD of exactly 4 bytes; check type and size first.
std::uint32_t DecodeDword(const RawValue& value);

}  // namespace brevolt::registry
