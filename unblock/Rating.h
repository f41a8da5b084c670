#pragma once

#include <string>
#include <string_view>

namespace brevolt::unblock {

// How risky it is to open an attachment of a type.
enum class Rating {
    Dangerous,  // opening it runs code or changes the system without a further question
    Normal,     // a type Outlook blocks, but opening it does not run code by itself
    Unknown,    // a type the program knows nothing about
};

// "Gefährlich", "Normal" or "Unbekannt".
std::string RatingWord(Rating rating);

// The program's own rating of a file type (upper case, without dot), by the whole type: dangerous
// when opening it runs code or changes the system without a question (programs, scripts of every
// shell and language, installers, shortcuts, registry files, control-panel items, screen savers,
// HTML applications, macro projects...); normal for the other types that some version of Outlook
// blocks; unknown for everything else.
Rating RateFileType(std::string_view extension);
// True when the program's table rates the type dangerous.
bool IsDangerousType(std::string_view extension);

}  // namespace brevolt::unblock
