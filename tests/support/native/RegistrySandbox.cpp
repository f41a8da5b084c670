#include "support/RegistrySandbox.h"

#include "registry/MemoryRegistry.h"
#include "registry/ProfileFile.h"

namespace brevolt::testing {

struct RegistrySandbox::Platform {
    registry::MemoryRegistry registry;
    registry::ProfileFile profiles;
    registry::BackendScope scope{registry, profiles};
};

RegistrySandbox::RegistrySandbox() : platform_(std::make_unique<Platform>()) {}

RegistrySandbox::~RegistrySandbox() = default;

void RegistrySandbox::DenyFullAccess(registry::Hive hive, const std::string& path) {
    platform_->registry.DenyFullAccess(hive, path);
}

registry::RegistryBackend& RegistrySandbox::Backend() {
    return platform_->registry;
}

}  // namespace brevolt::testing
