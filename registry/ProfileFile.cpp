#include "registry/ProfileFile.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <vector>

#include "base/Unicode.h"

namespace brevolt::registry {
namespace {

enum class Encoding { Ansi, Utf8, Utf16 };

struct Contents {
    Encoding encoding = Encoding::Ansi;
    std::vector<std::string> lines;  // UTF-8, without line ends
};

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";

std::string Decode(std::string_view bytes, Encoding& encoding) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        encoding = Encoding::Utf8;
        return std::string(bytes.substr(kUtf8Bom.size()));
    }
    if (bytes.substr(0, kUtf16Bom.size()) == kUtf16Bom) {
        encoding = Encoding::Utf16;
        std::u16string units;
        for (std::size_t at = kUtf16Bom.size(); at + 1 < bytes.size(); at += 2) {
            units += static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                           (static_cast<unsigned char>(bytes[at + 1]) << 8));
        }
        return text::Utf16ToUtf8(units);
    }
    encoding = Encoding::Ansi;
    return text::Cp1252ToUtf8(bytes);
}

std::string Encode(const std::string& utf8, Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8:
            return std::string(kUtf8Bom) + utf8;
        case Encoding::Utf16: {
            std::string bytes(kUtf16Bom);
            for (const char16_t unit : text::Utf8ToUtf16(utf8)) {
                bytes += static_cast<char>(unit & 0xFF);
                bytes += static_cast<char>(unit >> 8);
            }
            return bytes;
        }
        case Encoding::Ansi:
            break;
    }
    return text::Utf8ToCp1252(utf8);
}

Contents Parse(std::string_view bytes) {
    Contents contents;
    const std::string decoded = Decode(bytes, contents.encoding);
    std::string_view rest = decoded;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        contents.lines.emplace_back(line);
    }
    return contents;
}

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> EntryOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Index of the key's line in the section, and the index after the section's last entry.
struct Place {
    std::optional<std::size_t> sectionLine;
    std::optional<std::size_t> keyLine;
    std::size_t insertAt = 0;
};

Place Locate(const std::vector<std::string>& lines, const std::string& section,
             const std::string& key) {
    Place place;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionOf(lines[i])) {
            if (inSection) {
                break;
            }
            inSection = SameName(*name, section);
            if (inSection) {
                place.sectionLine = i;
                place.insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (const auto entry = EntryOf(lines[i])) {
            if (SameName(entry->key, key)) {
                place.keyLine = i;
                return place;
            }
            place.insertAt = i + 1;
        }
    }
    return place;
}

std::optional<std::string> ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes.str();
}

}  // namespace

std::string ProfileFile::Lookup(std::string_view bytes, const std::string& section,
                                const std::string& key, const std::string& fallback) {
    const Contents contents = Parse(bytes);
    const Place place = Locate(contents.lines, section, key);
    if (!place.keyLine) {
        return fallback;
    }
    return std::string(Unquote(EntryOf(contents.lines[*place.keyLine])->value));
}

std::string ProfileFile::read(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& fallback) {
    const auto bytes = ReadBytes(file);
    return bytes ? Lookup(*bytes, section, key, fallback) : fallback;
}

bool ProfileFile::write(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& text) {
    Contents contents;
    if (const auto bytes = ReadBytes(file)) {
        contents = Parse(*bytes);
    }
    if (!contents.lines.empty() && contents.lines.back().empty()) {
        contents.lines.pop_back();  // the end of the last line
    }
    auto& lines = contents.lines;
    const std::string entry = key + "=" + text;
    const Place place = Locate(lines, section, key);
    if (place.keyLine) {
        lines[*place.keyLine] = entry;
    } else if (place.sectionLine) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.insertAt), entry);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }
    std::string joined;
    for (const auto& line : lines) {
        joined += line + "\r\n";
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << Encode(joined, contents.encoding);
    out.flush();
    return static_cast<bool>(out);
}

void ProfileFile::flush(const std::string& /*file*/) {
    // Every write goes to disk at once.
}

}  // namespace brevolt::registry
