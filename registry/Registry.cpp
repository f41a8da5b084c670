#include "registry/Registry.h"

#include <optional>

#include "base/Exception.h"
#include "registry/Exceptions.h"
#include "registry/RegistryPath.h"
#include "registry/ValueCodec.h"
#include "resources/Texts.h"

namespace brevolt::registry {
namespace {

[[noreturn]] void Raise(resources::TextId pattern, std::string_view subject) {
    throw RegistryError(FormatText(resources::LoadText(pattern), std::string(subject)));
}

}  // namespace

Registry::Registry() : Registry(CurrentRegistryBackend()) {}

Registry::Registry(RegistryBackend& backend) : backend_(backend) {}

Registry::~Registry() = default;

void Registry::SetRoot(Hive hive) {
    if (hive != hive_) {
        ClosePath();
        hive_ = hive;
    }
}

bool Registry::OpenPath(std::string_view path, bool create) {
    return open(path, Access::Full, create);
}

bool Registry::OpenPathForReading(std::string_view path) {
    return open(path, Access::Read, false);
}

bool Registry::open(std::string_view path, Access access, bool create) {
    const auto resolved = ResolveKeyPath(keyPath_, path);
    if (!resolved) {
        return false;
    }
    auto key = backend_.openKey(hive_, *resolved, access, create);
    if (!key) {
        return false;
    }
    key_ = std::move(key);
    keyPath_ = *resolved;
    return true;
}

void Registry::ClosePath() {
    key_.reset();
    keyPath_.clear();
}

void Registry::MakePath(std::string_view path) {
    const auto resolved = ResolveKeyPath(keyPath_, path);
    if (!resolved || !backend_.openKey(hive_, *resolved, Access::Full, true)) {
        Raise(resources::TextId::RegCreateKeyFailed, path);
    }
}

bool Registry::PathExists(std::string_view path) {
    const auto resolved = ResolveKeyPath(keyPath_, path);
    return resolved && backend_.openKey(hive_, *resolved, Access::Read, false) != nullptr;
}

bool Registry::RemovePath(std::string_view path) {
    const auto resolved = ResolveKeyPath(keyPath_, path);
    // The root of a hive is not a key that can be removed.
    return resolved && !resolved->empty() && backend_.deleteTree(hive_, *resolved);
}

bool Registry::HasValue(std::string_view name) const {
    return key_ && key_->hasValue(name);
}

bool Registry::RemoveValue(std::string_view name) {
    return key_ && key_->deleteValue(name);
}

std::string Registry::ReadText(std::string_view name) const {
    const std::optional<RawValue> value = key_ ? key_->queryValue(name) : std::nullopt;
    if (!value) {
        return {};
    }
    if (!IsTextType(value->type)) {
        Raise(resources::TextId::RegInvalidDataType, name);
    }
    return DecodeText(*value);
}

std::uint32_t Registry::ReadDword(std::string_view name) const {
    const std::optional<RawValue> value = key_ ? key_->queryValue(name) : std::nullopt;
    if (!value) {
        Raise(resources::TextId::RegFetchDataFailed, name);
    }
    if (value->type != ValueType::Dword) {
        Raise(resources::TextId::RegInvalidDataType, name);
    }
    // Anything but 4 bytes is damaged data, not a number.
    if (value->data.size() != 4) {
        Raise(resources::TextId::RegFetchDataFailed, name);
    }
    return DecodeDword(*value);
}

std::optional<std::uint32_t> Registry::TryReadDword(std::string_view name) const {
    const std::optional<RawValue> value = key_ ? key_->queryValue(name) : std::nullopt;
    if (!value || value->type != ValueType::Dword || value->data.size() != 4) {
        return std::nullopt;
    }
    return DecodeDword(*value);
}

void Registry::WriteText(std::string_view name, std::string_view text) {
    setValue(name, EncodeText(text));
}

void Registry::WriteDword(std::string_view name, std::uint32_t number) {
    setValue(name, EncodeDword(number));
}

void Registry::setValue(std::string_view name, const RawValue& value) {
    if (!key_ || !key_->setValue(name, value)) {
        Raise(resources::TextId::RegSetDataFailed, name);
    }
}

void Registry::ListSubkeys(std::vector<std::string>& list) const {
    list.clear();
    if (key_) {
        list = key_->subkeyNames();
    }
}

}  // namespace brevolt::registry
