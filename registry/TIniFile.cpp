#include "registry/TIniFile.h"

#include "base/Exception.h"
#include "base/Unicode.h"
#include "registry/Exceptions.h"
#include "resources/Texts.h"

namespace brevolt::registry {
namespace {

constexpr std::size_t kMaxSettingLength = 2047;

}  // namespace

TIniFile::TIniFile(std::string fileName) : TIniFile(std::move(fileName), CurrentIniBackend()) {}

TIniFile::TIniFile(std::string fileName, IniBackend& backend)
    : fileName_(std::move(fileName)), backend_(backend) {}

TIniFile::~TIniFile() {
    backend_.flush(fileName_);
}

std::string TIniFile::ReadSetting(const std::string& section, const std::string& key,
                                  const std::string& fallback) const {
    return text::FirstCodePoints(backend_.read(fileName_, section, key, fallback),
                                 kMaxSettingLength);
}

void TIniFile::WriteSetting(const std::string& section, const std::string& key,
                            const std::string& text) {
    if (!backend_.write(fileName_, section, key, text)) {
        throw EIniFileException(
            FormatText(resources::LoadText(resources::TextId::IniWriteFailed), fileName_));
    }
}

}  // namespace brevolt::registry
