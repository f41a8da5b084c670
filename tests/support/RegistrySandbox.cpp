#include "support/RegistrySandbox.h"

#include <stdexcept>

#include "registry/ValueCodec.h"

namespace brevolt::testing {

using registry::Access;
using registry::Hive;
using registry::RawValue;

void RegistrySandbox::Put(Hive hive, const std::string& path, const std::string& name,
                          const RawValue& value) {
    auto key = Backend().openKey(hive, path, Access::Full, true);
    if (!key || !key->setValue(name, value)) {
        throw std::runtime_error("cannot seed " + path + "\\" + name);
    }
}

void RegistrySandbox::PutText(Hive hive, const std::string& path, const std::string& name,
                              const std::string& text) {
    Put(hive, path, name, registry::EncodeText(text));
}

void RegistrySandbox::PutDword(Hive hive, const std::string& path, const std::string& name,
                               std::uint32_t number) {
    Put(hive, path, name, registry::EncodeDword(number));
}

void RegistrySandbox::MakeKey(Hive hive, const std::string& path) {
    if (!Backend().openKey(hive, path, Access::Full, true)) {
        throw std::runtime_error("cannot create " + path);
    }
}

std::optional<RawValue> RegistrySandbox::Get(Hive hive, const std::string& path,
                                             const std::string& name) {
    auto key = Backend().openKey(hive, path, Access::Read, false);
    return key ? key->queryValue(name) : std::nullopt;
}

bool RegistrySandbox::Exists(Hive hive, const std::string& path) {
    return Backend().openKey(hive, path, Access::Read, false) != nullptr;
}

}  // namespace brevolt::testing
