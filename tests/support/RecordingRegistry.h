#pragma once

#include <memory>
#include <string>
#include <vector>

#include "registry/RegistryBackend.h"
#include "registry/ValueCodec.h"

namespace brevolt::testing {

// Passes every call on to another registry and records the changes, in order:
// "set <path>\<name>=<text or number>" and "delete <path>\<name>".
class RecordingRegistry : public registry::RegistryBackend {
  public:
    explicit RecordingRegistry(registry::RegistryBackend& inner) : inner_(inner) {}

    std::unique_ptr<registry::RegistryKey> openKey(registry::Hive hive, std::string_view path,
                                                   registry::Access access, bool create) override {
        auto key = inner_.openKey(hive, path, access, create);
        if (!key) {
            return nullptr;
        }
        return std::make_unique<Key>(std::move(key), std::string(path), changes);
    }

    bool deleteTree(registry::Hive hive, std::string_view path) override {
        changes.push_back("delete key " + std::string(path));
        return inner_.deleteTree(hive, path);
    }
    std::uint32_t lastError() const override { return inner_.lastError(); }

    std::vector<std::string> changes;

  private:
    class Key : public registry::RegistryKey {
      public:
        Key(std::unique_ptr<registry::RegistryKey> inner, std::string path,
            std::vector<std::string>& changes)
            : inner_(std::move(inner)), path_(std::move(path)), changes_(changes) {}

        bool hasValue(std::string_view name) const override { return inner_->hasValue(name); }
        std::optional<registry::RawValue> queryValue(std::string_view name) const override {
            return inner_->queryValue(name);
        }
        bool setValue(std::string_view name, const registry::RawValue& value) override {
            const bool done = inner_->setValue(name, value);
            if (done) {
                changes_.push_back("set " + path_ + "\\" + std::string(name) + "=" + Show(value));
            }
            return done;
        }
        bool deleteValue(std::string_view name) override {
            const bool done = inner_->deleteValue(name);
            if (done) {
                changes_.push_back("delete " + path_ + "\\" + std::string(name));
            }
            return done;
        }
        std::vector<std::string> subkeyNames() const override { return inner_->subkeyNames(); }
        std::optional<bool> isEmpty() const override { return inner_->isEmpty(); }
        std::uint32_t lastError() const override { return inner_->lastError(); }

      private:
        static std::string Show(const registry::RawValue& value) {
            if (registry::IsTextType(value.type)) {
                return "\"" + registry::DecodeText(value) + "\"";
            }
            if (value.type == registry::ValueType::Dword && value.data.size() == 4) {
                return std::to_string(registry::DecodeDword(value));
            }
            return "<" + std::to_string(value.data.size()) + " bytes>";
        }

        std::unique_ptr<registry::RegistryKey> inner_;
        std::string path_;
        std::vector<std::string>& changes_;
    };

    registry::RegistryBackend& inner_;
};

}  // namespace brevolt::testing
