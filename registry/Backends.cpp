#include "registry/RegistryBackend.h"

namespace brevolt::registry {
namespace {

// Which backends the process uses: chosen once at start, swapped only by tests' scopes.
struct Installed {
    RegistryBackend* registry = nullptr;
    IniBackend* ini = nullptr;
};

Installed& installed() {
    static Installed backends;
    return backends;
}

}  // namespace

RegistryBackend& CurrentRegistryBackend() {
    auto* registry = installed().registry;
    return registry != nullptr ? *registry : PlatformRegistryBackend();
}

IniBackend& CurrentIniBackend() {
    auto* ini = installed().ini;
    return ini != nullptr ? *ini : PlatformIniBackend();
}

BackendScope::BackendScope(RegistryBackend& registry)
    : previousRegistry_(installed().registry), previousIni_(installed().ini) {
    installed().registry = &registry;
}

BackendScope::BackendScope(RegistryBackend& registry, IniBackend& ini) : BackendScope(registry) {
    installed().ini = &ini;
}

BackendScope::~BackendScope() {
    installed().registry = previousRegistry_;
    installed().ini = previousIni_;
}

}  // namespace brevolt::registry
