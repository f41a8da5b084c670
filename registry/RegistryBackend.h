#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The small interface between the access layer (Registry) and a registry: the Win32 one, or
// the in-memory one the tests use. Paths reaching a backend are already checked: names separated
// by single backslashes, relative to the hive's root, none of them empty ("" is the root itself).
namespace brevolt::registry {

// HKEY_LOCAL_MACHINE comes in two views on 64-bit Windows: LocalMachine is the 32-bit one (where
// 32-bit programs such as Outlook Express and 32-bit Office keep their keys), LocalMachine64 the
// 64-bit one (64-bit Office, and the keys both views share, such as Software\Policies).
enum class Hive { CurrentUser, LocalMachine, LocalMachine64 };

enum class Access { Read, Full };

// Registry type codes, as stored.
enum class ValueType : std::uint32_t {
    None = 0,
    Text = 1,        // REG_SZ
    ExpandText = 2,  // REG_EXPAND_SZ
    Binary = 3,      // REG_BINARY
    Dword = 4,       // REG_DWORD
    DwordBigEndian = 5,
    MultiText = 7,  // REG_MULTI_SZ
    Qword = 11,
};

// A value as stored: its type code and its bytes (UTF-16LE for the text types).
struct RawValue {
    ValueType type = ValueType::None;
    std::vector<std::uint8_t> data;

    bool operator==(const RawValue&) const = default;
};

class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    virtual bool hasValue(std::string_view name) const = 0;
    // Empty when the value is missing or cannot be read.
    virtual std::optional<RawValue> queryValue(std::string_view name) const = 0;
    virtual bool setValue(std::string_view name, const RawValue& value) = 0;
    virtual bool deleteValue(std::string_view name) = 0;
    // Direct subkey names in enumeration order; empty when they cannot be listed.
    virtual std::vector<std::string> subkeyNames() const = 0;
    // Whether the key holds no value and no subkey; nothing when that cannot be told.
    virtual std::optional<bool> isEmpty() const { return std::nullopt; }
    // The system's error code of the last call that failed (kNotFound for a missing value);
    // 0 when none is known.
    virtual std::uint32_t lastError() const { return 0; }
};

// The system's code for a key or value that does not exist (ERROR_FILE_NOT_FOUND).
constexpr std::uint32_t kNotFound = 2;

// The system's text for an error code, for telling the user why a write failed.
std::string SystemErrorText(std::uint32_t code);

class RegistryBackend {
  public:
    virtual ~RegistryBackend() = default;
    // Opens the key; with `create`, every missing key along the path is created first.
    // Empty when the key cannot be opened (or created) with the requested access.
    virtual std::unique_ptr<RegistryKey> openKey(Hive hive, std::string_view path, Access access,
                                                 bool create) = 0;
    // Deletes the key with everything below it, deepest keys first.
    virtual bool deleteTree(Hive hive, std::string_view path) = 0;
    // The system's error code of the last open or deletion that failed (kNotFound for a missing
    // key); 0 when none is known.
    virtual std::uint32_t lastError() const { return 0; }
};

// The settings file: a private-profile (INI) file.
class IniBackend {
  public:
    virtual ~IniBackend() = default;
    // The stored text, or `fallback` when the file, the section or the key is missing.
    virtual std::string read(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& fallback) = 0;
    // Writes at once, creating file and section as needed; false when the file cannot be written.
    virtual bool write(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& text) = 0;
    // Puts pending writes of this file on disk.
    virtual void flush(const std::string& file) = 0;
};

// The backends every Registry and IniFile use unless they are given one: the platform's own,
// or those a BackendScope installed (tests).
RegistryBackend& CurrentRegistryBackend();
IniBackend& CurrentIniBackend();

// Defined once per platform: the Win32 backends on Windows, the portable ones elsewhere.
RegistryBackend& PlatformRegistryBackend();
IniBackend& PlatformIniBackend();

// Installs backends for its lifetime and restores the previous ones when it ends.
class BackendScope {
  public:
    explicit BackendScope(RegistryBackend& registry);
    BackendScope(RegistryBackend& registry, IniBackend& ini);
    ~BackendScope();
    BackendScope(const BackendScope&) = delete;
    BackendScope& operator=(const BackendScope&) = delete;

  private:
    RegistryBackend* previousRegistry_;
    IniBackend* previousIni_;
};

}  // namespace brevolt::registry
