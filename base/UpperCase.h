#pragma once

#include <string>
#include <string_view>

namespace brevolt::text {

// Upper case by the system's rules: on Windows the system's own mapping, elsewhere ASCII and the
// letters of code page 1252 (umlauts included). Text that has no upper case stays as it is.
std::string UpperCase(std::string_view utf8);

}  // namespace brevolt::text
