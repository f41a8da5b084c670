#include "registry/RegFile.h"

#include <cstdio>

#include "base/Unicode.h"
#include "registry/RegistryPath.h"
#include "registry/ValueCodec.h"

namespace brevolt::registry {
namespace {

constexpr std::string_view kFirstLine = "Windows Registry Editor Version 5.00";
constexpr std::string_view kCurrentUser = "HKEY_CURRENT_USER\\";
constexpr std::string_view kLocalMachine = "HKEY_LOCAL_MACHINE\\";
constexpr std::string_view kSoftware = "SOFTWARE\\";
constexpr std::string_view kWow6432Node = "SOFTWARE\\WOW6432NODE\\";

bool StartsWithFolded(std::string_view text, std::string_view folded) {
    return FoldName(text.substr(0, folded.size())) == folded;
}

std::string KeyName(Hive hive, const std::string& path, MachineView view) {
    switch (hive) {
        case Hive::LocalMachine:
            return std::string(kLocalMachine) +
                   (view == MachineView::Wow6432Node && StartsWithFolded(path, kSoftware)
                        ? path.substr(0, kSoftware.size()) + "Wow6432Node\\" +
                              path.substr(kSoftware.size())
                        : path);
        case Hive::LocalMachine64:
            return std::string(kLocalMachine) + path;
        default:
            return std::string(kCurrentUser) + path;
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
        // Quoted only where the quoted text reads back as the same bytes.
        const std::string text = DecodeText(value);
        if (text.find_first_of("\r\n") == std::string::npos && EncodeText(text) == value) {
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

// Reading: each step takes what it reads off the front of `rest`; false when it is not there.

bool TakeQuoted(std::string_view& rest, std::string& text) {
    if (rest.empty() || rest.front() != '"') {
        return false;
    }
    text.clear();
    for (std::size_t at = 1; at < rest.size(); ++at) {
        const char c = rest[at];
        if (c == '"') {
            rest.remove_prefix(at + 1);
            return true;
        }
        if (c == '\\') {
            if (++at == rest.size() || (rest[at] != '\\' && rest[at] != '"')) {
                return false;
            }
        }
        text += rest[at];
    }
    return false;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A number of 1 to `most` hex digits, up to the first other character.
bool TakeHexNumber(std::string_view& rest, std::size_t most, std::uint32_t& number) {
    std::size_t count = 0;
    number = 0;
    while (count < rest.size() && HexDigit(rest[count]) >= 0) {
        if (++count > most) {
            return false;
        }
        number = number << 4 | static_cast<std::uint32_t>(HexDigit(rest[count - 1]));
    }
    rest.remove_prefix(count);
    return count > 0;
}

bool TakeText(std::string_view& rest, std::string_view expected) {
    if (rest.substr(0, expected.size()) != expected) {
        return false;
    }
    rest.remove_prefix(expected.size());
    return true;
}

// The data after "=": -, "text", dword:xxxxxxxx or hex(type):bytes, and nothing after it.
bool ReadData(std::string_view rest, std::optional<RawValue>& value) {
    std::string text;
    std::uint32_t number = 0;
    if (TakeText(rest, "-")) {
        value.reset();
    } else if (TakeQuoted(rest, text)) {
        value = EncodeText(text);
    } else if (TakeText(rest, "dword:")) {
        if (rest.size() != 8 || !TakeHexNumber(rest, 8, number)) {
            return false;
        }
        value = EncodeDword(number);
    } else if (TakeText(rest, "hex(") && TakeHexNumber(rest, 8, number) && TakeText(rest, "):")) {
        value = RawValue{static_cast<ValueType>(number), {}};
        while (!rest.empty()) {
            if ((!value->data.empty() && !TakeText(rest, ",")) || rest.size() < 2 ||
                HexDigit(rest[0]) < 0 || HexDigit(rest[1]) < 0) {
                return false;
            }
            value->data.push_back(
                static_cast<std::uint8_t>(HexDigit(rest[0]) << 4 | HexDigit(rest[1])));
            rest.remove_prefix(2);
        }
    } else {
        return false;
    }
    return rest.empty();
}

// A key's full name: the hive, and a path of names none of which is empty.
bool ReadKeyName(std::string_view name, KeyPlace& place) {
    std::string_view path;
    if (StartsWithFolded(name, kCurrentUser)) {
        place.hive = Hive::CurrentUser;
        path = name.substr(kCurrentUser.size());
    } else if (StartsWithFolded(name, kLocalMachine)) {
        path = name.substr(kLocalMachine.size());
        place.hive = Hive::LocalMachine64;
        if (StartsWithFolded(path, kWow6432Node)) {
            place.hive = Hive::LocalMachine;
            place.path = std::string(path.substr(0, kSoftware.size())) +
                         std::string(path.substr(kWow6432Node.size()));
            return !path.substr(kWow6432Node.size()).empty() &&
                   ResolveKeyPath("", "\\" + place.path).has_value();
        }
    } else {
        return false;
    }
    place.path = std::string(path);
    return !path.empty() && ResolveKeyPath("", "\\" + place.path).has_value();
}

// The lines of UTF-16 LE bytes with byte-order mark, split at CR LF; empty when the bytes are
// not such a text.
std::optional<std::vector<std::string>> Lines(std::string_view bytes) {
    if (bytes.size() % 2 != 0 || bytes.substr(0, 2) != "\xFF\xFE") {
        return std::nullopt;
    }
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t at = 2; at < bytes.size(); at += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                       static_cast<unsigned char>(bytes[at + 1]) << 8);
    }
    const std::string text = text::Utf16ToUtf8(units);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

std::string RegFileBytes(const RegFileContent& content, MachineView view) {
    std::string text = std::string(kFirstLine) + "\r\n";
    for (const auto& comment : content.comments) {
        text += "; " + comment + "\r\n";
    }
    std::vector<std::string> keys;  // in order of first occurrence
    for (const auto& change : content.changes) {
        const std::string key = KeyName(change.hive, change.key, view);
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
        for (const auto& change : content.changes) {
            if (KeyName(change.hive, change.key, view) != key) {
                continue;
            }
            text += (change.name.empty() ? std::string("@") : Quoted(change.name)) + "=" +
                    (change.value ? Data(*change.value) : std::string("-")) + "\r\n";
        }
    }
    for (const auto& place : content.removedKeys) {
        text += "\r\n[-" + KeyName(place.hive, place.path, view) + "]\r\n";
    }
    text += "\r\n";
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text::Utf8ToUtf16(text)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::optional<RegFileContent> ReadRegFile(std::string_view bytes, std::size_t& badLine) {
    badLine = 1;
    const auto lines = Lines(bytes);
    if (!lines || lines->front() != kFirstLine) {
        return std::nullopt;
    }
    RegFileContent content;
    std::optional<KeyPlace> key;  // the key the values belong to
    for (std::size_t number = 1; number < lines->size(); ++number) {
        badLine = number + 1;
        std::string_view line = (*lines)[number];
        if (line.empty()) {
            continue;
        }
        if (TakeText(line, ";")) {
            TakeText(line, " ");
            content.comments.emplace_back(line);
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') {
                return std::nullopt;
            }
            line = line.substr(1, line.size() - 2);
            const bool removed = TakeText(line, "-");
            KeyPlace place;
            if (!ReadKeyName(line, place)) {
                return std::nullopt;
            }
            if (removed) {
                content.removedKeys.push_back(place);
                key.reset();
            } else {
                key = place;
            }
            continue;
        }
        std::string name;
        std::optional<RawValue> value;
        if (!key || !(TakeText(line, "@") || (TakeQuoted(line, name) && !name.empty())) ||
            !TakeText(line, "=") || !ReadData(line, value)) {
            return std::nullopt;
        }
        content.changes.push_back({key->hive, key->path, std::move(name), std::move(value)});
    }
    badLine = 0;
    return content;
}

}  // namespace brevolt::registry
