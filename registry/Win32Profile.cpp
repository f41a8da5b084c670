#include <windows.h>

#include <vector>

#include "base/WideText.h"
#include "registry/RegistryBackend.h"

// The settings file through the private-profile API.
namespace brevolt::registry {
namespace {

class Win32Profile : public IniBackend {
  public:
    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& fallback) override {
        // Room for the 2047 characters a setting may have, and one more to tell it was longer.
        std::vector<wchar_t> buffer(2049);
        const DWORD length = GetPrivateProfileStringW(
            text::Widen(section).c_str(), text::Widen(key).c_str(), text::Widen(fallback).c_str(),
            buffer.data(), static_cast<DWORD>(buffer.size()), text::Widen(file).c_str());
        return text::Narrow({buffer.data(), length});
    }

    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& text) override {
        return WritePrivateProfileStringW(text::Widen(section).c_str(), text::Widen(key).c_str(),
                                          text::Widen(text).c_str(),
                                          text::Widen(file).c_str()) != FALSE;
    }

    void flush(const std::string& file) override {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, text::Widen(file).c_str());
    }
};

}  // namespace

IniBackend& PlatformIniBackend() {
    static Win32Profile profiles;
    return profiles;
}

}  // namespace brevolt::registry
