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

// Calls `visit` with each stored entry in turn until it returns false. Nothing is copied: lists
// of thousands of entries are scanned often.
template <typename Visit>
void VisitStored(std::string_view list, Visit visit) {
    for (std::size_t start = 0; start <= list.size();) {
        const auto end = std::min(list.find(';', start), list.size());
        const std::string_view entry = TrimBlanks(list.substr(start, end - start));
        if (!entry.empty() && !visit(entry)) {
            return;
        }
        start = end + 1;
    }
}

// At most one entry a separator, and one more: room for them all in one allocation.
std::size_t MostEntries(std::string_view list) {
    std::size_t separators = 0;
    for (auto at = list.find(';'); at != std::string_view::npos; at = list.find(';', at + 1)) {
        ++separators;
    }
    return separators + 1;
}

std::string_view ExtensionView(std::string_view entry) {
    return !entry.empty() && entry.front() == '.' ? TrimBlanks(entry.substr(1)) : entry;
}

// Why the text names no file type the user may name; nothing when it names one.
std::optional<resources::TextId> OwnExtensionFault(std::string_view text) {
    using resources::TextId;
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return TextId::OwnTypeEmpty;
    }
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            return TextId::OwnTypeBlank;
        }
        if (c == ';') {
            return TextId::OwnTypeSeparator;
        }
        if (c == '.') {
            return TextId::OwnTypeSecondDot;
        }
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') || c == '-' || c == '_';
        if (!allowed) {
            return TextId::OwnTypeCharacter;
        }
    }
    if (text.size() > 32) {
        return TextId::OwnTypeTooLong;
    }
    return std::nullopt;
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
    entries.reserve(MostEntries(list));
    VisitStored(list, [&](std::string_view entry) {
        entries.emplace_back(entry);
        return true;
    });
    return entries;
}

std::string ExtensionOf(std::string_view entry) {
    return std::string(ExtensionView(entry));
}

std::vector<std::string> ListEntries(std::string_view list) {
    std::vector<std::string> entries;
    entries.reserve(MostEntries(list));
    VisitStored(list, [&](std::string_view entry) {
        if (const auto extension = ExtensionView(entry); !extension.empty()) {
            entries.emplace_back(extension);
        }
        return true;
    });
    return entries;
}

bool ListContains(std::string_view list, std::string_view extension) {
    bool found = false;
    VisitStored(list, [&](std::string_view entry) {
        const auto named = ExtensionView(entry);
        found = !named.empty() && named == extension;
        return !found;
    });
    return found;
}

std::string OwnExtensionProblem(std::string_view text) {
    const auto fault = OwnExtensionFault(text);
    return fault ? resources::LoadText(*fault) : std::string();
}

bool IsOwnExtension(std::string_view text) {
    return !OwnExtensionFault(text);
}

std::optional<std::string> OwnExtension(std::string_view text) {
    if (!IsOwnExtension(text)) {
        return std::nullopt;
    }
    return text::UpperCase(text.front() == '.' ? text.substr(1) : text);
}

std::string JoinList(const std::vector<std::string>& entries) {
    std::size_t length = entries.size();
    for (const auto& entry : entries) {
        length += entry.size();
    }
    std::string list;
    list.reserve(length);
    for (const auto& entry : entries) {
        if (!list.empty()) {
            list += ';';
        }
        list += entry;
    }
    return list;
}

}  // namespace brevolt::unblock
