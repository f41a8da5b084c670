#pragma once

#include <string>
#include <string_view>

namespace brevolt::widgets {

// A cell text with colour mark-up: <font color="clRed">Gefährlich</font>.
struct MarkedText {
    std::string text;    // what the cell shows
    std::string colour;  // the colour name ("clRed", "clBlue"), or "" for the default
};

// Reads the mark-up of a cell; text without mark-up comes back as it is.
MarkedText ParseCellMarkup(std::string_view cell);

// The mark-up of a word in a colour.
std::string ColouredText(std::string_view word, std::string_view colour);

}  // namespace brevolt::widgets
