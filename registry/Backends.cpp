#include "registry/RegistryBackend.h"

namespace brevolt::registry {
namespace {

// Which backends the process uses: the one process-wide seam left. Every registry object reaches
// its backend through here rather than taking one from its caller, so that the program's code
// names no backend, and tests (and the benchmarks) swap in the in-memory registry or a counting
// one with a scope. The program itself never changes it.
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
