#include "registry/MemoryRegistry.h"
#include "registry/ProfileFile.h"

#include <string>

// Off Windows there is no system registry: the portable build keeps one in memory.
namespace brevolt::registry {

RegistryBackend& PlatformRegistryBackend() {
    static MemoryRegistry registry;
    return registry;
}

std::string SystemErrorText(std::uint32_t code) {
    switch (code) {
        case kNotFound:
            return "Das System kann die angegebene Datei nicht finden";
        case MemoryRegistry::kAccessDenied:
            return "Zugriff verweigert";
        default:
            return "Fehler " + std::to_string(code);
    }
}

IniBackend& PlatformIniBackend() {
    static ProfileFile profiles;
    return profiles;
}

}  // namespace brevolt::registry
