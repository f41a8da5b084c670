#include "registry/MemoryRegistry.h"
#include "registry/ProfileFile.h"

// Off Windows there is no system registry: the portable build keeps one in memory.
namespace brevolt::registry {

RegistryBackend& PlatformRegistryBackend() {
    static MemoryRegistry registry;
    return registry;
}

IniBackend& PlatformIniBackend() {
    static ProfileFile profiles;
    return profiles;
}

}  // namespace brevolt::registry
