#include "registry/IniFile.h"

#include "base/Exception.h"
#include "base/Unicode.h"
#include "registry/Exceptions.h"
#include "resources/Texts.h"

namespace brevolt::registry {
namespace {

constexpr std::size_t kMaxSettingLength = 2047;

}  // namespace

IniFile::IniFile(std::string fileName) : IniFile(std::move(fileName), CurrentIniBackend()) {}

IniFile::IniFile(std::string fileName, IniBackend& backend)
    : fileName_(std::move(fileName)), backend_(backend) {}

IniFile::~IniFile() {
    backend_.flush(fileName_);
}

std::string IniFile::ReadSetting(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    return text::FirstCodePoints(backend_.read(fileName_, section, key, fallback),
                                 kMaxSettingLength);
}

void IniFile::WriteSetting(const std::string& section, const std::string& key,
                           const std::string& text) {
    if (!backend_.write(fileName_, section, key, text)) {
        throw IniFileError(
            FormatText(resources::LoadText(resources::TextId::IniWriteFailed), fileName_));
    }
}

}  // namespace brevolt::registry
