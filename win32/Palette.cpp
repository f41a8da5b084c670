#include "win32/Palette.h"

namespace brevolt::win32 {
namespace {

// The colour of the user's scheme that stands for a role under High Contrast: each pair of
// text and background colours the scheme names is one it keeps readable.
int SchemeIndex(ColourRole role) {
    switch (role) {
        case ColourRole::ButtonFace:
            return COLOR_BTNFACE;
        case ColourRole::ButtonText:
        case ColourRole::ButtonFrame:
            return COLOR_BTNTEXT;
        case ColourRole::FaintText:
            return COLOR_GRAYTEXT;
        case ColourRole::ListText:
        case ColourRole::AlarmText:
        case ColourRole::CalmText:
            break;
    }
    return COLOR_WINDOWTEXT;
}

std::optional<COLORREF> OwnColour(ColourRole role, const SystemColours& system) {
    switch (role) {
        case ColourRole::AlarmText:
            return RGB(255, 0, 0);
        case ColourRole::CalmText:
            return RGB(0, 0, 255);
        case ColourRole::FaintText:
            return system(COLOR_GRAYTEXT);
        case ColourRole::ButtonFace:
        case ColourRole::ButtonText:
        case ColourRole::ButtonFrame:
        case ColourRole::ListText:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<COLORREF> RoleColour(ColourRole role, bool highContrast,
                                   const SystemColours& system) {
    return highContrast ? system(SchemeIndex(role)) : OwnColour(role, system);
}

}  // namespace brevolt::win32
