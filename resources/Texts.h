#pragma once

#include <string>
#include <vector>

namespace brevolt::resources {

enum class TextId : int {
#define BREVOLT_TEXT(name, number, text) name = number,
#include "resources/Texts.def"
#undef BREVOLT_TEXT
};

// The text of the program's string table (UTF-8).
std::string LoadText(TextId id);

// `count` texts that follow each other in the string table, from `first` on.
std::vector<std::string> LoadTexts(TextId first, std::size_t count);

}  // namespace brevolt::resources
