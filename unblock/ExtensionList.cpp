#include "unblock/ExtensionList.h"

#include <algorithm>

#include "base/UpperCase.h"
#include "resources/Texts.h"

namespace brevolt::unblock {
namespace {

std::string_view TrimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string TrimListEnds(std::string list) {
    if (!list.empty() && list.front() == ';') {
        list.erase(0, 1);
    }
    if (!list.empty() && list.back() == ';') {
        list.pop_back();
    }
    return list;
}

std::vector<std::string> StoredEntries(std::string_view list) {
    std::vector<std::string> entries;
    for (std::size_t start = 0; start <= list.size();) {
        const auto end = std::min(list.find(';', start), list.size());
        const std::string_view entry = TrimBlanks(list.substr(start, end - start));
        if (!entry.empty()) {
            entries.emplace_back(entry);
        }
        start = end + 1;
    }
    return entries;
}

std::string ExtensionOf(std::string_view entry) {
    if (!entry.empty() && entry.front() == '.') {
        entry = TrimBlanks(entry.substr(1));
    }
    return std::string(entry);
}

std::vector<std::string> ListEntries(std::string_view list) {
    std::vector<std::string> entries;
    for (const auto& stored : StoredEntries(list)) {
        std::string extension = ExtensionOf(stored);
        if (!extension.empty()) {
            entries.push_back(std::move(extension));
        }
    }
    return entries;
}

bool ListContains(std::string_view list, std::string_view extension) {
    const auto entries = ListEntries(list);
    return std::find(entries.begin(), entries.end(), extension) != entries.end();
}

std::string OwnExtensionProblem(std::string_view text) {
    using resources::LoadText;
    using resources::TextId;
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return LoadText(TextId::OwnTypeEmpty);
    }
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            return LoadText(TextId::OwnTypeBlank);
        }
        if (c == ';') {
            return LoadText(TextId::OwnTypeSeparator);
        }
        if (c == '.') {
            return LoadText(TextId::OwnTypeSecondDot);
        }
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!allowed) {
            return LoadText(TextId::OwnTypeCharacter);
        }
    }
    if (text.size() > 32) {
        return LoadText(TextId::OwnTypeTooLong);
    }
    return {};
}

std::optional<std::string> OwnExtension(std::string_view text) {
    if (!OwnExtensionProblem(text).empty()) {
        return std::nullopt;
    }
    return text::UpperCase(text.front() == '.' ? text.substr(1) : text);
}

std::string JoinList(const std::vector<std::string>& entries) {
    std::string list;
    for (const auto& entry : entries) {
        if (!list.empty()) {
            list += ';';
        }
        list += entry;
    }
    return list;
}

}  // namespace brevolt::unblock
