#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registry/RegistryBackend.h"

namespace brevolt::registry {

// One root hive and at most one open key. Keys are opened and created with full access, also
// for reading, except through OpenPathForReading. Errors are raised as RegistryError where the
// operation says so; the other operations report failure by their result and never raise.
class Registry {
  public:
    Registry();  // HKEY_CURRENT_USER on the current backend
    explicit Registry(RegistryBackend& backend);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Selects the hive; a change closes the open key.
    void SetRoot(Hive hive);
    // Opens the key, creating every missing key along the path when `create` is set. A path
    // starting with a backslash starts at the root, any other at the open key (or the root).
    // On failure the key open before stays open.
    bool OpenPath(std::string_view path, bool create);
    // Opens an existing key for reading only (keys of other programs, policies); what is written
    // through it fails.
    bool OpenPathForReading(std::string_view path);
    void ClosePath();
    // Creates every missing key along the path and keeps none of them open.
    void MakePath(std::string_view path);
    // True if the key can be opened for reading.
    bool PathExists(std::string_view path);
    // Deletes the key with all its subkeys, deepest first.
    bool RemovePath(std::string_view path);

    bool HasValue(std::string_view name) const;
    bool RemoveValue(std::string_view name);
    std::string ReadText(std::string_view name) const;
    std::uint32_t ReadDword(std::string_view name) const;
    // The number when the value is a REG_DWORD of 4 bytes; nothing when it is missing, of another
    // type or damaged: such a value sets nothing. Never raises.
    std::optional<std::uint32_t> TryReadDword(std::string_view name) const;
    void WriteText(std::string_view name, std::string_view text);
    void WriteDword(std::string_view name, std::uint32_t number);
    // Empties the list, then adds the open key's direct subkey names in enumeration order.
    void ListSubkeys(std::vector<std::string>& list) const;

  private:
    bool open(std::string_view path, Access access, bool create);
    void setValue(std::string_view name, const RawValue& value);

    RegistryBackend& backend_;
    Hive hive_ = Hive::CurrentUser;
    std::unique_ptr<RegistryKey> key_;
    std::string keyPath_;
};

}  // namespace brevolt::registry
