#include "base/Exception.h"

namespace brevolt {

std::string FormatText(const std::string& pattern, const std::string& argument) {
    const auto at = pattern.find("%s");
    if (at == std::string::npos) {
        return pattern;
    }
    std::string result = pattern;
    result.replace(at, 2, argument);
    return result;
}

}  // namespace brevolt
