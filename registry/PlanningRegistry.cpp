#include "registry/PlanningRegistry.h"

#include "registry/RegistryPath.h"

namespace brevolt::registry {

class PlannedKey : public RegistryKey {
  public:
    PlannedKey(PlanningRegistry& plan, Hive hive, std::string path,
               std::shared_ptr<const RegistryKey> inner)
        : plan_(plan), hive_(hive), path_(std::move(path)), inner_(std::move(inner)) {}

    bool hasValue(std::string_view name) const override { return queryValue(name).has_value(); }

    std::optional<RawValue> queryValue(std::string_view name) const override {
        if (const auto* planned = find(name)) {
            return planned->value;
        }
        return inner_ ? inner_->queryValue(name) : std::nullopt;
    }

    bool setValue(std::string_view name, const RawValue& value) override {
        plan(name, value);
        return true;
    }

    // Planned whether or not the value is here: the plan is also for machines that hold it.
    // The answer is the one this registry would give.
    bool deleteValue(std::string_view name) override {
        const bool here = hasValue(name);
        plan(name, std::nullopt);
        return here;
    }

    std::vector<std::string> subkeyNames() const override {
        return inner_ ? inner_->subkeyNames() : std::vector<std::string>();
    }

  private:
    const PlannedChange* find(std::string_view name) const {
        const auto found = plan_.index_.find({hive_, FoldName(path_), FoldName(name)});
        return found == plan_.index_.end() ? nullptr : &plan_.changes_[found->second];
    }

    void plan(std::string_view name, std::optional<RawValue> value) {
        const PlanningRegistry::ValueId id{hive_, FoldName(path_), FoldName(name)};
        const auto found = plan_.index_.find(id);
        if (found != plan_.index_.end()) {
            plan_.changes_[found->second].value = std::move(value);
            return;
        }
        plan_.index_[id] = plan_.changes_.size();
        plan_.changes_.push_back({hive_, path_, std::string(name), std::move(value)});
    }

    PlanningRegistry& plan_;
    Hive hive_;
    std::string path_;
    std::shared_ptr<const RegistryKey> inner_;  // the key as it is, if it exists
};

std::unique_ptr<RegistryKey> PlanningRegistry::openKey(Hive hive, std::string_view path,
                                                       Access /*access*/, bool create) {
    std::pair<Hive, std::string> location{hive, FoldName(path)};
    auto known = opened_.find(location);
    if (known == opened_.end()) {
        // Opened for reading whatever the access asked: nothing is written through it. Once per
        // key: nothing changes the registry beneath a plan, and each open is a call to the system.
        known = opened_.emplace(location, inner_.openKey(hive, path, Access::Read, false)).first;
    }
    const std::shared_ptr<const RegistryKey>& inner = known->second;
    if (!inner && createdKeys_.count(location) == 0) {
        if (!create) {
            return nullptr;
        }
        createdKeys_.insert(std::move(location));
    }
    return std::make_unique<PlannedKey>(*this, hive, std::string(path), inner);
}

bool PlanningRegistry::deleteTree(Hive /*hive*/, std::string_view /*path*/) {
    return true;
}

std::vector<PlannedChange> PlanningRegistry::Changes() const {
    return changes_;
}

}  // namespace brevolt::registry
