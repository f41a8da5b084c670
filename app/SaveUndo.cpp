#include "app/SaveUndo.h"

#include <algorithm>
#include <cstdio>

#include "base/Exception.h"
#include "registry/RegFile.h"
#include "registry/RegistryPath.h"
#include "resources/Texts.h"

namespace brevolt {
namespace {

using registry::FoldName;
using resources::LoadText;
using resources::TextId;

constexpr std::string_view kMark = "Brevolt: Stand vor der Speicherung vom ";
constexpr const char* kHowTo =
    "Ein Doppelklick auf diese Datei stellt diesen Stand wieder her, ebenso in Brevolt "
    "\"Datei\" / \"Letzte Speicherung rückgängig\".";

bool SameValue(const registry::PlannedChange& a, const registry::PlannedChange& b) {
    return a.hive == b.hive && FoldName(a.key) == FoldName(b.key) &&
           FoldName(a.name) == FoldName(b.name);
}

bool SameKey(const registry::KeyPlace& a, const registry::KeyPlace& b) {
    return a.hive == b.hive && FoldName(a.path) == FoldName(b.path);
}

std::string Stamp(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

// "YYYY-MM-DD HH:MM:SS" and nothing else, with each part in its range.
std::optional<LocalTime> ReadStamp(std::string_view text) {
    if (text.size() != 19) {
        return std::nullopt;
    }
    const auto number = [&text](std::size_t at, std::size_t digits, int& into) {
        into = 0;
        for (std::size_t i = at; i < at + digits; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
            into = into * 10 + (text[i] - '0');
        }
        return true;
    };
    LocalTime time;
    const bool read = number(0, 4, time.year) && text[4] == '-' && number(5, 2, time.month) &&
                      text[7] == '-' && number(8, 2, time.day) && text[10] == ' ' &&
                      number(11, 2, time.hour) && text[13] == ':' && number(14, 2, time.minute) &&
                      text[16] == ':' && number(17, 2, time.second);
    if (!read || time.month < 1 || time.month > 12 || time.day < 1 || time.day > 31 ||
        time.hour > 23 || time.minute > 59 || time.second > 59) {
        return std::nullopt;
    }
    return time;
}

}  // namespace

const char* const kUndoFileName = "Stand vor der letzten Speicherung.reg";

void AddToUndo(SaveUndo& undo, const registry::WriteOutcome& outcome) {
    for (const auto& value : outcome.replaced) {
        const auto same = [&value](const auto& kept) { return SameValue(kept, value); };
        if (std::none_of(undo.values.begin(), undo.values.end(), same)) {
            undo.values.push_back(value);
        }
    }
    for (const auto& key : outcome.created) {
        const auto same = [&key](const auto& kept) { return SameKey(kept, key); };
        if (std::none_of(undo.createdKeys.begin(), undo.createdKeys.end(), same)) {
            undo.createdKeys.push_back(key);
        }
    }
    std::stable_sort(undo.createdKeys.begin(), undo.createdKeys.end(),
                     [](const auto& a, const auto& b) { return a.path.size() > b.path.size(); });
}

std::string UndoFileBytes(const SaveUndo& undo) {
    return registry::RegFileBytes(
        {{std::string(kMark) + Stamp(undo.savedAt), kHowTo}, undo.values, undo.createdKeys},
        registry::MachineView::Wow6432Node);
}

std::optional<SaveUndo> ReadUndoFile(std::string_view bytes, std::string& problem) {
    std::size_t badLine = 0;
    const auto content = registry::ReadRegFile(bytes, badLine);
    if (!content) {
        problem = badLine <= 1 ? LoadText(TextId::UndoNotARegistryFile)
                               : FormatText(LoadText(TextId::UndoBadLine), std::to_string(badLine));
        return std::nullopt;
    }
    std::optional<LocalTime> savedAt;
    for (const auto& comment : content->comments) {
        if (comment.rfind(kMark, 0) == 0) {
            savedAt = ReadStamp(std::string_view(comment).substr(kMark.size()));
            break;
        }
    }
    if (!savedAt) {
        problem = LoadText(TextId::UndoNoMark);
        return std::nullopt;
    }
    return SaveUndo{*savedAt, content->changes, content->removedKeys};
}

std::string DateTimeText(const LocalTime& time) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d um %02d:%02d Uhr", time.day, time.month,
                  time.year, time.hour, time.minute);
    return text;
}

}  // namespace brevolt
