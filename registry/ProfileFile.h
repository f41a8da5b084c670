#pragma once

#include <string>
#include <string_view>

#include "registry/RegistryBackend.h"

namespace brevolt::registry {

// The settings file in portable C++, read and written the way Windows treats a private-profile
// file: names match without regard to case, blanks around names and values and one pair of
// enclosing quotes are dropped, the first match wins. The file is ANSI (code page 1252) unless
// it starts with a UTF-8 or UTF-16LE byte order mark, and is written back in the form it had.
class ProfileFile : public IniBackend {
  public:
    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& fallback) override;
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& text) override;
    void flush(const std::string& file) override;

    // The lookup over a file's bytes, apart from the disk.
    static std::string Lookup(std::string_view bytes, const std::string& section,
                              const std::string& key, const std::string& fallback);
};

}  // namespace brevolt::registry
