// Any bytes as the settings file: the lookup finds a text or the default, never fails.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "registry/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    brevolt::registry::ProfileFile::Lookup(bytes, "Brevolt", "LastVersion", "");
    brevolt::registry::ProfileFile::Lookup(bytes, "", "", "default");
    return 0;
}
