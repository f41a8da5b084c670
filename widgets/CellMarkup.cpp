#include "widgets/CellMarkup.h"

namespace brevolt::widgets {
namespace {

constexpr std::string_view kOpen = "<font color=\"";
constexpr std::string_view kClose = "</font>";

}  // namespace

MarkedText ParseCellMarkup(std::string_view cell) {
    if (cell.substr(0, kOpen.size()) != kOpen) {
        return {std::string(cell), ""};
    }
    const auto colourEnd = cell.find("\">", kOpen.size());
    if (colourEnd == std::string_view::npos) {
        return {std::string(cell), ""};
    }
    std::string_view text = cell.substr(colourEnd + 2);
    if (text.size() >= kClose.size() && text.substr(text.size() - kClose.size()) == kClose) {
        text.remove_suffix(kClose.size());
    }
    return {std::string(text), std::string(cell.substr(kOpen.size(), colourEnd - kOpen.size()))};
}

std::string ColouredText(std::string_view word, std::string_view colour) {
    return std::string(kOpen) + std::string(colour) + "\">" + std::string(word) +
           std::string(kClose);
}

}  // namespace brevolt::widgets
