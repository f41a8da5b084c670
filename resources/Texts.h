#pragma once

#include <string>

namespace brevolt::resources {

enum class TextId : int {
#define BREVOLT_TEXT(name, number, text) name = number,
#include "resources/Texts.def"
#undef BREVOLT_TEXT
};

// The text of the program's string table (UTF-8).
std::string LoadText(TextId id);

}  // namespace brevolt::resources
