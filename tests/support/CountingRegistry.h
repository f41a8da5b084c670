#pragma once

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "registry/RegistryBackend.h"

namespace brevolt::testing {

// What one operation asked of the registry and the settings file.
struct CallCounts {
    int opens = 0;
    int repeatedOpens = 0;  // opens of a key opened before, with any access
    int reads = 0;          // value lookups and reads
    int writes = 0;         // values set or deleted, trees deleted
    int lists = 0;          // subkey listings
    int fileCalls = 0;      // settings file reads, writes and flushes
    int fileWrites = 0;     // of those, the writes

    int Total() const { return opens + reads + writes + lists + fileCalls; }
};

// Passes every call on to the backends it wraps and counts them; with `trace`, also lists them
// in order, one line each.
class CountingBackends : public registry::RegistryBackend, public registry::IniBackend {
  public:
    CountingBackends(registry::RegistryBackend& registry, registry::IniBackend& ini)
        : registry_(registry), ini_(ini) {}

    void Reset() {
        counts = {};
        opened_.clear();
        trace.clear();
    }

    std::unique_ptr<registry::RegistryKey> openKey(registry::Hive hive, std::string_view path,
                                                   registry::Access access, bool create) override {
        ++counts.opens;
        const bool full = access == registry::Access::Full;
        if (!opened_.emplace(hive, std::string(path)).second) {
            ++counts.repeatedOpens;
        }
        Note(std::string(create ? "create "
                         : full ? "open rw "
                                : "open ") +
             Root(hive) + std::string(path));
        auto key = registry_.openKey(hive, path, access, create);
        if (!key) {
            Note("  (failed)");
            return nullptr;
        }
        return std::make_unique<Key>(std::move(key), *this);
    }

    std::uint32_t lastError() const override { return registry_.lastError(); }

    bool deleteTree(registry::Hive hive, std::string_view path) override {
        ++counts.writes;
        Note("delete tree " + Root(hive) + std::string(path));
        return registry_.deleteTree(hive, path);
    }

    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& fallback) override {
        ++counts.fileCalls;
        Note("file read [" + section + "] " + key);
        return ini_.read(file, section, key, fallback);
    }
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& text) override {
        ++counts.fileCalls;
        ++counts.fileWrites;
        Note("file write [" + section + "] " + key);
        return ini_.write(file, section, key, text);
    }
    void flush(const std::string& file) override {
        ++counts.fileCalls;
        Note("file flush");
        ini_.flush(file);
    }

    CallCounts counts;
    bool tracing = false;
    std::vector<std::string> trace;

  private:
    class Key : public registry::RegistryKey {
      public:
        Key(std::unique_ptr<registry::RegistryKey> inner, CountingBackends& owner)
            : inner_(std::move(inner)), owner_(owner) {}

        bool hasValue(std::string_view name) const override {
            ++owner_.counts.reads;
            owner_.Note("  has " + std::string(name));
            return inner_->hasValue(name);
        }
        std::optional<registry::RawValue> queryValue(std::string_view name) const override {
            ++owner_.counts.reads;
            owner_.Note("  read " + std::string(name));
            return inner_->queryValue(name);
        }
        bool setValue(std::string_view name, const registry::RawValue& value) override {
            ++owner_.counts.writes;
            owner_.Note("  set " + std::string(name));
            return inner_->setValue(name, value);
        }
        bool deleteValue(std::string_view name) override {
            ++owner_.counts.writes;
            owner_.Note("  delete " + std::string(name));
            return inner_->deleteValue(name);
        }
        std::vector<std::string> subkeyNames() const override {
            ++owner_.counts.lists;
            owner_.Note("  list subkeys");
            return inner_->subkeyNames();
        }
        std::optional<bool> isEmpty() const override {
            ++owner_.counts.lists;
            owner_.Note("  is empty");
            return inner_->isEmpty();
        }
        std::uint32_t lastError() const override { return inner_->lastError(); }

      private:
        std::unique_ptr<registry::RegistryKey> inner_;
        CountingBackends& owner_;
    };

    static std::string Root(registry::Hive hive) {
        switch (hive) {
            case registry::Hive::LocalMachine:
                return "HKLM\\";
            case registry::Hive::LocalMachine64:
                return "HKLM64\\";
            default:
                return "HKCU\\";
        }
    }
    void Note(std::string line) {
        if (tracing) {
            trace.push_back(std::move(line));
        }
    }

    registry::RegistryBackend& registry_;
    registry::IniBackend& ini_;
    std::set<std::pair<registry::Hive, std::string>> opened_;
};

}  // namespace brevolt::testing
