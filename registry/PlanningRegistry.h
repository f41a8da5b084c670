#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "registry/RegistryBackend.h"

namespace brevolt::registry {

// What a sequence of registry writes would leave behind: one entry per value, in the order the
// values were first written, with its last state.
struct PlannedChange {
    Hive hive;
    std::string key;                // as the writer named it
    std::string name;               // as the writer named it
    std::optional<RawValue> value;  // empty: the value is removed
};

// A key of the registry.
struct KeyPlace {
    Hive hive;
    std::string path;
    bool operator==(const KeyPlace&) const = default;
};

// A registry that reads through to another one and keeps every write to itself: the writes a
// procedure would make are planned, not made. A value written reads back as written; a value
// removed reads as missing, and its removal is planned even where it is missing already. Keys that
// would be created read as there; deleting trees is not planned (nothing the planned procedures
// do).
class PlanningRegistry : public RegistryBackend {
  public:
    explicit PlanningRegistry(RegistryBackend& inner) : inner_(inner) {}

    std::unique_ptr<RegistryKey> openKey(Hive hive, std::string_view path, Access access,
                                         bool create) override;
    bool deleteTree(Hive hive, std::string_view path) override;

    // Every value written or removed, in first-written order, with its last state.
    std::vector<PlannedChange> Changes() const;

  private:
    friend class PlannedKey;
    using ValueId = std::tuple<Hive, std::string, std::string>;  // hive, folded key, folded name

    RegistryBackend& inner_;
    std::set<std::pair<Hive, std::string>> createdKeys_;  // folded paths
    // Each key of `inner_` the plan looked at, by folded path; empty where it is missing.
    std::map<std::pair<Hive, std::string>, std::shared_ptr<const RegistryKey>> opened_;
    std::map<ValueId, std::size_t> index_;  // into changes_
    std::vector<PlannedChange> changes_;
};

// The changes `writes` would make on the current backend, planned in front of it: nothing is
// written.
template <typename Writes>
std::vector<PlannedChange> PlanWrites(Writes&& writes) {
    PlanningRegistry plan(CurrentRegistryBackend());
    const BackendScope planning(plan);
    writes();
    return plan.Changes();
}

}  // namespace brevolt::registry
