#include "registry/MemoryRegistry.h"

#include <functional>
#include <vector>

#include "registry/RegistryPath.h"

namespace brevolt::registry {
namespace {

constexpr std::uint32_t kInjectedFault = MemoryRegistry::kInjectedFault;
constexpr std::uint32_t kAccessDenied = MemoryRegistry::kAccessDenied;

std::vector<std::string_view> SplitPath(std::string_view path) {
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const auto end = path.find('\\');
        names.push_back(path.substr(0, end));
        path = end == std::string_view::npos ? std::string_view{} : path.substr(end + 1);
    }
    return names;
}

// Windows refuses key names longer than this.
constexpr std::size_t kMaxKeyNameLength = 255;

std::string JoinPath(const std::string& parent, std::string_view name) {
    return parent.empty() ? std::string(name) : parent + '\\' + std::string(name);
}

}  // namespace

struct MemoryRegistry::Node {
    std::string name;
    std::map<std::string, std::unique_ptr<Node>> children;           // by folded name
    std::map<std::string, std::pair<std::string, RawValue>> values;  // folded -> (name, value)
};

// An open key remembers where it is, not the node: a key deleted while open fails its calls.
class MemoryKey : public RegistryKey {
  public:
    MemoryKey(MemoryRegistry& registry, Hive hive, std::string path, Access access)
        : registry_(registry), hive_(hive), path_(std::move(path)), access_(access) {}

    bool hasValue(std::string_view name) const override {
        if (registry_.failsNow()) {
            return failed(kInjectedFault);
        }
        const auto* node = registry_.find(hive_, path_);
        return (node != nullptr && node->values.count(FoldName(name)) != 0) || failed(kNotFound);
    }

    std::optional<RawValue> queryValue(std::string_view name) const override {
        if (registry_.failsNow()) {
            return RawValue{ValueType::Binary, {0xFF, 0xFE, 0xFD}};
        }
        const auto* node = registry_.find(hive_, path_);
        if (node == nullptr) {
            failed(kInjectedFault);  // the key went while it was open
            return std::nullopt;
        }
        const auto it = node->values.find(FoldName(name));
        if (it == node->values.end()) {
            failed(kNotFound);
            return std::nullopt;
        }
        return it->second.second;
    }

    bool setValue(std::string_view name, const RawValue& value) override {
        if (registry_.failsNow()) {
            return failed(kInjectedFault);
        }
        auto* node = registry_.find(hive_, path_);
        if (node == nullptr || access_ != Access::Full ||
            registry_.failSet_.count({{hive_, FoldName(path_)}, FoldName(name)}) != 0) {
            return failed(kAccessDenied);
        }
        auto& slot = node->values[FoldName(name)];
        if (slot.first.empty()) {
            slot.first = std::string(name);
        }
        slot.second = value;
        return true;
    }

    bool deleteValue(std::string_view name) override {
        if (registry_.failsNow()) {
            return failed(kInjectedFault);
        }
        auto* node = registry_.find(hive_, path_);
        if (node == nullptr || access_ != Access::Full ||
            registry_.failDelete_.count({{hive_, FoldName(path_)}, FoldName(name)}) != 0) {
            return failed(kAccessDenied);
        }
        return node->values.erase(FoldName(name)) != 0 || failed(kNotFound);
    }

    std::uint32_t lastError() const override { return lastError_; }

    std::vector<std::string> subkeyNames() const override {
        std::vector<std::string> names;
        if (registry_.failsNow()) {
            return names;
        }
        if (const auto* node = registry_.find(hive_, path_)) {
            for (const auto& [folded, child] : node->children) {
                names.push_back(child->name);
            }
        }
        return names;
    }

    std::optional<bool> isEmpty() const override {
        const auto* node = registry_.failsNow() ? nullptr : registry_.find(hive_, path_);
        if (node == nullptr) {
            failed(kInjectedFault);
            return std::nullopt;
        }
        return node->values.empty() && node->children.empty();
    }

  private:
    // Keeps the code for lastError; always false, to be returned by the failing call.
    bool failed(std::uint32_t code) const {
        lastError_ = code;
        return false;
    }

    MemoryRegistry& registry_;
    Hive hive_;
    std::string path_;
    Access access_;
    mutable std::uint32_t lastError_ = 0;
};

MemoryRegistry::MemoryRegistry() {
    roots_[Hive::CurrentUser] = std::make_unique<Node>();
    roots_[Hive::LocalMachine] = std::make_unique<Node>();
    roots_[Hive::LocalMachine64] = std::make_unique<Node>();
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Node* MemoryRegistry::find(Hive hive, std::string_view path) {
    Node* node = roots_.at(hive).get();
    for (const auto name : SplitPath(path)) {
        const auto it = node->children.find(FoldName(name));
        if (it == node->children.end()) {
            return nullptr;
        }
        node = it->second.get();
    }
    return node;
}

bool MemoryRegistry::fullAccessDenied(Hive hive, std::string_view path) const {
    std::string prefix;
    if (readOnly_.count({hive, prefix}) != 0) {
        return true;
    }
    for (const auto name : SplitPath(path)) {
        prefix = JoinPath(prefix, FoldName(name));
        if (readOnly_.count({hive, prefix}) != 0) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<RegistryKey> MemoryRegistry::openKey(Hive hive, std::string_view path,
                                                     Access access, bool create) {
    if (failsNow()) {
        lastError_ = kInjectedFault;
        return nullptr;
    }
    Node* node = roots_.at(hive).get();
    std::string walked;
    for (const auto name : SplitPath(path)) {
        const std::string childPath = JoinPath(walked, name);
        auto it = node->children.find(FoldName(name));
        if (it == node->children.end()) {
            if (!create) {
                lastError_ = kNotFound;
                return nullptr;
            }
            if (name.size() > kMaxKeyNameLength || fullAccessDenied(hive, walked) ||
                noCreate_.count({hive, FoldName(childPath)}) != 0) {
                lastError_ = kAccessDenied;
                return nullptr;
            }
            auto child = std::make_unique<Node>();
            child->name = std::string(name);
            it = node->children.emplace(FoldName(name), std::move(child)).first;
        }
        node = it->second.get();
        walked = childPath;
    }
    if (access == Access::Full && fullAccessDenied(hive, path)) {
        lastError_ = kAccessDenied;
        return nullptr;
    }
    return std::make_unique<MemoryKey>(*this, hive, std::string(path), access);
}

bool MemoryRegistry::deleteNode(Hive hive, const std::string& path, Node& node) {
    for (auto it = node.children.begin(); it != node.children.end();) {
        if (!deleteNode(hive, JoinPath(path, it->second->name), *it->second)) {
            return false;
        }
        it = node.children.erase(it);
    }
    return !fullAccessDenied(hive, path);
}

bool MemoryRegistry::deleteTree(Hive hive, std::string_view path) {
    if (failsNow()) {
        return false;
    }
    if (path.empty()) {
        return false;
    }
    const auto cut = path.rfind('\\');
    const std::string_view parentPath = cut == std::string_view::npos ? "" : path.substr(0, cut);
    const std::string_view leaf = cut == std::string_view::npos ? path : path.substr(cut + 1);
    Node* parent = find(hive, parentPath);
    if (parent == nullptr) {
        return false;
    }
    const auto it = parent->children.find(FoldName(leaf));
    if (it == parent->children.end() || !deleteNode(hive, std::string(path), *it->second)) {
        return false;
    }
    parent->children.erase(it);
    return true;
}

std::map<std::string, RawValue> MemoryRegistry::Snapshot() const {
    std::map<std::string, RawValue> values;
    const std::function<void(const std::string&, const Node&)> collect =
        [&](const std::string& prefix, const Node& node) {
            for (const auto& [folded, value] : node.values) {
                values[prefix + "\\" + folded] = value.second;
            }
            for (const auto& [folded, child] : node.children) {
                values["key " + prefix + "\\" + folded] = {};
                collect(prefix + "\\" + folded, *child);
            }
        };
    collect("HKCU:", *roots_.at(Hive::CurrentUser));
    collect("HKLM:", *roots_.at(Hive::LocalMachine));
    collect("HKLM64:", *roots_.at(Hive::LocalMachine64));
    return values;
}

void MemoryRegistry::DenyFullAccess(Hive hive, std::string_view path) {
    readOnly_.insert({hive, FoldName(path)});
}

void MemoryRegistry::DenyCreate(Hive hive, std::string_view path) {
    noCreate_.insert({hive, FoldName(path)});
}

void MemoryRegistry::FailSetValue(Hive hive, std::string_view path, std::string_view name) {
    failSet_.insert({{hive, FoldName(path)}, FoldName(name)});
}

void MemoryRegistry::FailDeleteValue(Hive hive, std::string_view path, std::string_view name) {
    failDelete_.insert({{hive, FoldName(path)}, FoldName(name)});
}

}  // namespace brevolt::registry
