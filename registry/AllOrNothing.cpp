#include "registry/AllOrNothing.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include "registry/RegistryPath.h"
#include "resources/Texts.h"

namespace brevolt::registry {
namespace {

// A value as it stood before the writes.
struct Before {
    const PlannedChange* change;
    std::optional<RawValue> value;  // empty: it did not exist
};

struct KeyOrder {
    bool operator()(const KeyPlace& a, const KeyPlace& b) const {
        return std::tie(a.hive, a.path) < std::tie(b.hive, b.path);
    }
};

std::string Describe(Hive hive, const std::string& key, const std::string& name = {}) {
    return HiveName(hive) + "\\" + key + (name.empty() ? "" : "\\" + name);
}

// Each key opened once with one access, however many values of it are read or written: under
// Wine every open is a trip to the server.
class OpenKeys {
  public:
    OpenKeys(RegistryBackend& registry, Access access) : registry_(registry), access_(access) {}

    // The key, opened (with `create`, made along its path) on first use; null when it cannot be
    // opened, and `error` says why. A key found missing stays missing until asked to create it.
    RegistryKey* Get(Hive hive, const std::string& path, bool create, std::uint32_t& error) {
        auto& slot = keys_[{hive, FoldName(path)}];
        if (!slot.key && (create || !slot.missing)) {
            slot.key = registry_.openKey(hive, path, access_, create);
            slot.error = slot.key ? 0 : registry_.lastError();
            slot.missing = slot.error == kNotFound;
        }
        error = slot.error;
        return slot.key.get();
    }
    // Forgets every key: one that was deleted must be opened anew.
    void Clear() { keys_.clear(); }

  private:
    struct Slot {
        std::unique_ptr<RegistryKey> key;
        bool missing = false;
        std::uint32_t error = 0;
    };
    RegistryBackend& registry_;
    Access access_;
    std::map<std::pair<Hive, std::string>, Slot> keys_;
};

// Whether the key exists; nothing when that cannot be told.
std::optional<bool> KeyExists(OpenKeys& keys, Hive hive, const std::string& path,
                              std::uint32_t& error) {
    if (keys.Get(hive, path, false, error)) {
        return true;
    }
    return error == kNotFound ? std::optional<bool>(false) : std::nullopt;
}

// The value as it stands; read twice, so that a read that went wrong is not taken for the
// value. Nothing in `value` when it does not exist; false when it cannot be told.
bool ReadBefore(OpenKeys& keys, const PlannedChange& change, std::optional<RawValue>& value,
                std::uint32_t& error) {
    auto* key = keys.Get(change.hive, change.key, false, error);
    if (!key) {
        value.reset();
        return error == kNotFound;
    }
    const auto first = key->queryValue(change.name);
    if (!first) {
        error = key->lastError();
        value.reset();
        return error == kNotFound;
    }
    const auto second = key->queryValue(change.name);
    if (second != first) {
        error = key->lastError();
        return false;
    }
    value = first;
    return true;
}

// Writes one value, or removes it; the system's error code, 0 on success.
std::uint32_t Put(OpenKeys& keys, Hive hive, const std::string& path, const std::string& name,
                  const std::optional<RawValue>& value) {
    std::uint32_t error = 0;
    auto* key = keys.Get(hive, path, value.has_value(), error);
    if (!key) {
        return !value && error == kNotFound ? 0 : std::max<std::uint32_t>(error, 1);
    }
    if (value) {
        return key->setValue(name, *value) ? 0 : std::max<std::uint32_t>(key->lastError(), 1);
    }
    if (key->deleteValue(name) || key->lastError() == kNotFound) {
        return 0;
    }
    return std::max<std::uint32_t>(key->lastError(), 1);
}

// Removes the key when it holds nothing; 0 when it is gone or must stay, else the system's code.
// `removed` tells whether it went.
std::uint32_t RemoveWhenEmpty(RegistryBackend& registry, const KeyPlace& place, bool& removed) {
    removed = false;
    const auto key = registry.openKey(place.hive, place.path, Access::Read, false);
    if (!key) {
        const auto error = registry.lastError();
        return error == kNotFound ? 0 : std::max<std::uint32_t>(error, 1);
    }
    const auto empty = key->isEmpty();
    if (!empty) {
        return std::max<std::uint32_t>(key->lastError(), 1);
    }
    if (!*empty) {
        return 0;  // something else lives there now
    }
    if (!registry.deleteTree(place.hive, place.path)) {
        return std::max<std::uint32_t>(registry.lastError(), 1);
    }
    removed = true;
    return 0;
}

}  // namespace

std::string FailedWriteReport(const WriteOutcome& outcome) {
    using resources::LoadText;
    using resources::TextId;
    return FailedWriteReport(outcome, LoadText(TextId::SaveFailedNothingWritten),
                             LoadText(TextId::SaveRestored));
}

std::string FailedWriteReport(const WriteOutcome& outcome, const std::string& heading,
                              const std::string& restored) {
    const auto lines = [](const std::vector<WriteProblem>& problems) {
        std::string text;
        for (const auto& problem : problems) {
            text += "\r\n" + problem.value + ": " + problem.reason;
        }
        return text;
    };
    return heading + lines(outcome.failed) + "\r\n\r\n" +
           (outcome.notRestored.empty() ? restored
                                        : resources::LoadText(resources::TextId::SaveNotRestored) +
                                              lines(outcome.notRestored));
}

std::string HiveName(Hive hive) {
    return hive == Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

WriteOutcome ApplyAllOrNothing(RegistryBackend& registry, const std::vector<PlannedChange>& changes,
                               const std::vector<KeyPlace>& removeWhenEmpty) {
    WriteOutcome outcome;
    // How things stand now: every value, and every key along the paths that is missing.
    std::vector<Before> before;
    std::set<KeyPlace, KeyOrder> missing;
    std::set<KeyPlace, KeyOrder> looked;
    {
        OpenKeys keys(registry, Access::Read);
        for (const auto& change : changes) {
            std::uint32_t error = 0;
            std::optional<RawValue> value;
            if (!ReadBefore(keys, change, value, error)) {
                outcome.failed.push_back(
                    {Describe(change.hive, change.key, change.name), SystemErrorText(error)});
                return outcome;
            }
            before.push_back({&change, value});
            // The missing keys of the path: from the key up to the first that exists (whose
            // parents exist too), or to one looked at before (whose parents are known).
            for (std::string path = change.key;
                 looked.insert({change.hive, FoldName(path)}).second;) {
                const auto exists = KeyExists(keys, change.hive, path, error);
                if (!exists) {
                    outcome.failed.push_back({Describe(change.hive, path), SystemErrorText(error)});
                    return outcome;
                }
                const auto parent = path.rfind('\\');
                if (*exists || parent == std::string::npos) {
                    if (!*exists) {
                        missing.insert({change.hive, path});
                    }
                    break;
                }
                missing.insert({change.hive, path});
                path.resize(parent);
            }
        }
    }
    // The writes, in order, up to the first failure.
    OpenKeys keys(registry, Access::Full);
    std::size_t made = 0;
    for (; made < changes.size(); ++made) {
        const auto& change = changes[made];
        if (const auto error = Put(keys, change.hive, change.key, change.name, change.value)) {
            outcome.failed.push_back(
                {Describe(change.hive, change.key, change.name), SystemErrorText(error)});
            break;
        }
    }
    keys.Clear();  // a key about to be removed is held open no longer
    std::vector<KeyPlace> removed;
    for (const auto& place : removeWhenEmpty) {
        if (!outcome.failed.empty()) {
            break;
        }
        bool gone = false;
        if (const auto error = RemoveWhenEmpty(registry, place, gone)) {
            outcome.failed.push_back({Describe(place.hive, place.path), SystemErrorText(error)});
        } else if (gone) {
            removed.push_back(place);
        }
    }
    std::vector<KeyPlace> created(missing.begin(), missing.end());
    std::stable_sort(created.begin(), created.end(),
                     [](const auto& a, const auto& b) { return a.path.size() > b.path.size(); });
    if (outcome.failed.empty()) {
        for (const auto& entry : before) {
            outcome.replaced.push_back(
                {entry.change->hive, entry.change->key, entry.change->name, entry.value});
        }
        // A missing key was made when a value was written in it or below it.
        for (const auto& place : created) {
            const auto holds = [&place](const PlannedChange& change) {
                const auto key = FoldName(change.key);
                const auto folded = FoldName(place.path);
                return change.value && change.hive == place.hive &&
                       key.compare(0, folded.size(), folded) == 0 &&
                       (key.size() == folded.size() || key[folded.size()] == '\\');
            };
            if (std::any_of(changes.begin(), changes.end(), holds)) {
                outcome.created.push_back(place);
            }
        }
        return outcome;
    }
    // Back as it was: the keys removed, then the values written, in reverse order (a write that
    // failed changed nothing), then the keys that were not there, deepest first.
    for (auto place = removed.rbegin(); place != removed.rend(); ++place) {
        if (!registry.openKey(place->hive, place->path, Access::Full, true)) {
            outcome.notRestored.push_back(
                {Describe(place->hive, place->path), SystemErrorText(registry.lastError())});
        }
    }
    for (std::size_t i = made; i-- > 0;) {
        const auto& change = *before[i].change;
        if (const auto error = Put(keys, change.hive, change.key, change.name, before[i].value)) {
            outcome.notRestored.push_back(
                {Describe(change.hive, change.key, change.name), SystemErrorText(error)});
        }
    }
    keys.Clear();
    for (const auto& place : created) {
        const auto key = registry.openKey(place.hive, place.path, Access::Read, false);
        if (!key && registry.lastError() == kNotFound) {
            continue;  // never made, or gone already
        }
        if (!key || !key->subkeyNames().empty() || !registry.deleteTree(place.hive, place.path)) {
            outcome.notRestored.push_back(
                {Describe(place.hive, place.path), SystemErrorText(registry.lastError())});
        }
    }
    return outcome;
}

}  // namespace brevolt::registry
