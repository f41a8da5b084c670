#include "registry/RegFile.h"

#include <cstdio>

#include "base/Unicode.h"
#include "registry/RegistryPath.h"
#include "registry/ValueCodec.h"

namespace brevolt::registry {
namespace {

bool StartsWithSoftware(const std::string& key) {
    return FoldName(key.substr(0, 9)) == "SOFTWARE\\";
}

std::string KeyName(const PlannedChange& change) {
    switch (change.hive) {
        case Hive::LocalMachine:
            return "HKEY_LOCAL_MACHINE\\" +
                   (StartsWithSoftware(change.key)
                        ? change.key.substr(0, 9) + "Wow6432Node\\" + change.key.substr(9)
                        : change.key);
        case Hive::LocalMachine64:
            return "HKEY_LOCAL_MACHINE\\" + change.key;
        default:
            return "HKEY_CURRENT_USER\\" + change.key;
    }
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

std::string Hex(const RawValue& value) {
    static const char digits[] = "0123456789abcdef";
    char type[16];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<unsigned>(value.type));
    std::string hex = type;
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        if (i > 0) {
            hex += ',';
        }
        hex += digits[value.data[i] >> 4];
        hex += digits[value.data[i] & 0x0F];
    }
    return hex;
}

std::string Data(const RawValue& value) {
    if (value.type == ValueType::Text) {
        const std::string text = DecodeText(value);
        if (text.find_first_of("\r\n") == std::string::npos) {
            return Quoted(text);
        }
    }
    if (value.type == ValueType::Dword && value.data.size() == 4) {
        char number[16];
        std::snprintf(number, sizeof number, "dword:%08x", DecodeDword(value));
        return number;
    }
    return Hex(value);
}

}  // namespace

std::string RegFileBytes(const std::vector<PlannedChange>& changes) {
    std::string text = "Windows Registry Editor Version 5.00\r\n";
    std::vector<std::string> keys;  // in order of first occurrence
    for (const auto& change : changes) {
        const std::string key = KeyName(change);
        bool known = false;
        for (const auto& seen : keys) {
            known |= seen == key;
        }
        if (!known) {
            keys.push_back(key);
        }
    }
    for (const auto& key : keys) {
        text += "\r\n[" + key + "]\r\n";
        for (const auto& change : changes) {
            if (KeyName(change) != key) {
                continue;
            }
            text += (change.name.empty() ? std::string("@") : Quoted(change.name)) + "=" +
                    (change.value ? Data(*change.value) : std::string("-")) + "\r\n";
        }
    }
    text += "\r\n";
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text::Utf8ToUtf16(text)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

}  // namespace brevolt::registry
