#pragma once

#include <memory>
#include <optional>
#include <string>

#include "registry/RegistryBackend.h"

namespace brevolt::testing {

// The registry one test works on, empty at its start and gone at its end: natively an in-memory
// registry, on Windows the real one with HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE redirected to
// scratch keys, so that no real setting changes.
class RegistrySandbox {
  public:
    RegistrySandbox();
    ~RegistrySandbox();
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    // The existing key and everything below it can be opened for reading only.
    void DenyFullAccess(registry::Hive hive, const std::string& path);

    // Direct access around the layer under test, for seeding and checking.
    void Put(registry::Hive hive, const std::string& path, const std::string& name,
             const registry::RawValue& value);
    void PutText(registry::Hive hive, const std::string& path, const std::string& name,
                 const std::string& text);
    void PutDword(registry::Hive hive, const std::string& path, const std::string& name,
                  std::uint32_t number);
    void MakeKey(registry::Hive hive, const std::string& path);
    std::optional<registry::RawValue> Get(registry::Hive hive, const std::string& path,
                                          const std::string& name);
    bool Exists(registry::Hive hive, const std::string& path);

    registry::RegistryBackend& Backend();

  private:
    struct Platform;
    std::unique_ptr<Platform> platform_;
};

}  // namespace brevolt::testing
