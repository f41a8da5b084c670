#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The registry of the Wine prefix the program runs in, around each scenario.
namespace brevolt::e2e {

// Removes every key the program reads or writes, so that a scenario starts from its seed alone.
void ClearProgramKeys();
// Imports registry text in the .reg format (UTF-8 here) with the system's "reg import".
void ImportReg(const std::string& regText);
// What "reg export" writes for the key, as bytes; "<missing>" when it writes nothing.
std::string ExportReg(const std::string& key);

// Reading back after the program ended; empty when the key or value is missing.
std::optional<std::string> StoredText(const std::string& path, const std::string& name);
std::optional<std::uint32_t> StoredDword(const std::string& path, const std::string& name,
                                         bool machine = false);
bool KeyExists(const std::string& path);

}  // namespace brevolt::e2e

#include <map>
#include <vector>

namespace brevolt::e2e {

// Every value of HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE (all views), as
// "HKCU\path\name" -> type and bytes; keys without values appear as "HKCU\path\".
using RegistrySnapshot = std::map<std::string, std::string>;
RegistrySnapshot TakeRegistrySnapshot();

// What changed between two snapshots outside the given key prefixes (compared without regard
// to case), one line each.
std::vector<std::string> ChangesOutside(const RegistrySnapshot& before,
                                        const RegistrySnapshot& after,
                                        const std::vector<std::string>& allowedPrefixes);

// The registry as a scenario found it, to tell when it ends what changed outside the keys the
// program may touch in it. Wine's own keys ("Software\Wine") and the scratch keys of the
// in-process suites running beside ("Software\Brevolt Tests") are no one's footprint here, nor
// are the hardware keys Wine's display driver writes.
class Footprint {
  public:
    Footprint() : before_(TakeRegistrySnapshot()) {}
    // One line per change outside these key prefixes; empty when there is none.
    std::string ChangesOutside(const std::vector<std::string>& programKeys) const;

  private:
    RegistrySnapshot before_;
};

}  // namespace brevolt::e2e
