#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace brevolt::win32 {

// What the program draws in a colour it chooses itself.
enum class ColourRole {
    ButtonFace,   // a flat button's background
    ButtonText,   // a flat button's caption
    ButtonFrame,  // a line round a flat button
    ListText,     // a grid cell's text that tells nothing by its colour (the policy marks)
    AlarmText,    // a rating that warns of a danger
    CalmText,     // a rating that tells of no particular danger
    FaintText,    // a rating of a type nothing is known of
};

// The system's colour of a GetSysColor index (GetSysColor itself, but for tests).
using SystemColours = std::function<COLORREF(int index)>;

// The colour to draw a role in. Without High Contrast it is the program's own look, and none
// where the control keeps its own (a flat button its colour and white caption, the list its
// text colour). Under High Contrast it is always a colour of the user's scheme, so that the
// scheme alone decides what is seen; the words tell what the colours told.
std::optional<COLORREF> RoleColour(ColourRole role, bool highContrast, const SystemColours& system);

}  // namespace brevolt::win32
