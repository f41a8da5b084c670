// The program's colours, with and without High Contrast, on a scheme of the test's own.
#include <windows.h>
#include <gtest/gtest.h>

#include <optional>

#include "win32/Palette.h"

namespace brevolt::win32 {
namespace {

// A scheme whose colours are told apart by their index, none of them one of the program's.
COLORREF Scheme(int index) {
    return RGB(1, 2, index);
}

TEST(Palette, HighContrastLeavesOnlyTheSchemesColours) {
    const struct {
        ColourRole role;
        std::optional<COLORREF> own;  // none: the control's own colour stands
        COLORREF highContrast;
    } cases[] = {
        {ColourRole::ButtonFace, std::nullopt, Scheme(COLOR_BTNFACE)},
        {ColourRole::ButtonText, std::nullopt, Scheme(COLOR_BTNTEXT)},
        {ColourRole::ButtonFrame, std::nullopt, Scheme(COLOR_BTNTEXT)},
        {ColourRole::ListText, std::nullopt, Scheme(COLOR_WINDOWTEXT)},
        {ColourRole::AlarmText, RGB(255, 0, 0), Scheme(COLOR_WINDOWTEXT)},
        {ColourRole::CalmText, RGB(0, 0, 255), Scheme(COLOR_WINDOWTEXT)},
        {ColourRole::FaintText, Scheme(COLOR_GRAYTEXT), Scheme(COLOR_GRAYTEXT)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.role));
        EXPECT_EQ(RoleColour(c.role, false, Scheme), c.own);
        EXPECT_EQ(RoleColour(c.role, true, Scheme), c.highContrast);
    }
}

}  // namespace
}  // namespace brevolt::win32
