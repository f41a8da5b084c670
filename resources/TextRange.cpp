#include "resources/Texts.h"

namespace brevolt::resources {

std::vector<std::string> LoadTexts(TextId first, std::size_t count) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < count; ++i) {
        texts.push_back(
            LoadText(static_cast<TextId>(static_cast<int>(first) + static_cast<int>(i))));
    }
    return texts;
}

}  // namespace brevolt::resources
