#pragma once

#include <string>

#include "registry/RegistryBackend.h"

namespace brevolt::registry {

// A private-profile (INI) file bound to one path. Releasing it flushes the file.
class IniFile {
  public:
    explicit IniFile(std::string fileName);  // on the current backend
    IniFile(std::string fileName, IniBackend& backend);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const std::string& FileName() const { return fileName_; }
    // The stored text (at most 2047 characters), or `fallback` when file, section or key is
    // missing.
    std::string ReadSetting(const std::string& section, const std::string& key,
                            const std::string& fallback) const;
    // Writes at once, creating file and section as needed; raises IniFileError on failure.
    void WriteSetting(const std::string& section, const std::string& key, const std::string& text);

  private:
    std::string fileName_;
    IniBackend& backend_;
};

}  // namespace brevolt::registry
