// Any stored value, of any type and any bytes, read as text and as a number through the access
// layer: a defined result or the layer's own error, never a read past the data.
#include <cstddef>
#include <cstdint>

#include "registry/Exceptions.h"
#include "registry/MemoryRegistry.h"
#include "registry/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brevolt::registry;
    if (size == 0) {
        return 0;
    }
    MemoryRegistry memory;
    const RawValue value{static_cast<ValueType>(data[0] % 12),
                         std::vector<std::uint8_t>(data + 1, data + size)};
    memory.openKey(Hive::CurrentUser, "K", Access::Full, true)->setValue("V", value);
    Registry reg(memory);
    reg.OpenPath("K", false);
    try {
        reg.ReadText("V");
    } catch (const RegistryError&) {
    }
    try {
        reg.ReadDword("V");
    } catch (const RegistryError&) {
    }
    return 0;
}
