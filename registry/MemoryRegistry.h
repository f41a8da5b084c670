#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "registry/RegistryBackend.h"

namespace brevolt::registry {

// A registry held in memory, for tests. Names compare without regard to ASCII case and keep
// the case they were created with; subkeys enumerate in name order, as on Windows. It can be
// told to fail where a real registry would: a key that the user may only read, a key that
// cannot be created, a value that cannot be set or deleted.
class MemoryRegistry : public RegistryBackend {
  public:
    MemoryRegistry();
    ~MemoryRegistry() override;
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

    std::unique_ptr<RegistryKey> openKey(Hive hive, std::string_view path, Access access,
                                         bool create) override;
    bool deleteTree(Hive hive, std::string_view path) override;
    std::uint32_t lastError() const override { return lastError_; }

    // The error codes of its failures: an injected fault, and a key or value the user may not
    // change (ERROR_IO_DEVICE, ERROR_ACCESS_DENIED).
    static constexpr std::uint32_t kInjectedFault = 1117;
    static constexpr std::uint32_t kAccessDenied = 5;

    // The key and everything below it can be opened for reading only: no full access, no new
    // subkeys, no deletion.
    void DenyFullAccess(Hive hive, std::string_view path);
    // The key cannot be created while it is missing.
    void DenyCreate(Hive hive, std::string_view path);
    // Setting or deleting this value of this key fails.
    void FailSetValue(Hive hive, std::string_view path, std::string_view name);
    void FailDeleteValue(Hive hive, std::string_view path, std::string_view name);

    // Every call to the registry or to an open key counts; the call with this number (from 1)
    // fails as such a call can: a key that does not open, a value that cannot be set or deleted,
    // a value read back of the wrong type, an empty list of subkeys.
    void FailCall(int number) { failingCall_ = number; }
    int CallCount() const { return calls_; }

    // Every value, as "<hive>:<path>\<name>" with folded names, and every key, as
    // "key <hive>:<path>" with no content, for comparing states.
    std::map<std::string, RawValue> Snapshot() const;

    struct Node;

  private:
    friend class MemoryKey;
    using Location = std::pair<Hive, std::string>;  // hive and folded path

    Node* find(Hive hive, std::string_view path);
    bool fullAccessDenied(Hive hive, std::string_view path) const;
    bool deleteNode(Hive hive, const std::string& path, Node& node);
    // Counts a call; true when it is the one to fail.
    bool failsNow() { return ++calls_ == failingCall_; }

    std::map<Hive, std::unique_ptr<Node>> roots_;
    std::set<Location> readOnly_;
    std::set<Location> noCreate_;
    std::set<std::pair<Location, std::string>> failSet_;
    std::set<std::pair<Location, std::string>> failDelete_;
    int calls_ = 0;
    int failingCall_ = 0;
    std::uint32_t lastError_ = 0;
};

}  // namespace brevolt::registry
