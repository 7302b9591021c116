// The system colour table that stands in for the desktop's on this platform.
//
// Linux has no system colour table of the kind the control's schemes read, and the
// application palette differs between machines, styles and themes. The control therefore
// resolves system colour indexes through one fixed table: the classic desktop scheme (button
// face 0xC8D0D4, shadow grey, white highlight, navy selection). Every machine then paints the
// standard and system schemes with the same pixels, and tests can state them exactly.
#pragma once

#include "button/paint/types.h"

#include <array>

namespace chameleon {

// Indexes the control's schemes read.
enum SystemColorIndex : int {
    ColorHighlight = 13,
    ColorBtnFace = 15,
    ColorBtnShadow = 16,
    ColorBtnText = 18,
    ColorBtnHighlight = 20,
    Color3dDkShadow = 21,
    Color3dLight = 22,
};

inline constexpr int kSystemColorCount = 31; // indexes 0 to 30

// Classic scheme, indexed by system colour number; values are 0x00BBGGRR.
inline constexpr std::array<Rgb, kSystemColorCount> kClassicSystemColors = {
    rgb(212, 208, 200), //  0 scroll bar
    rgb(58, 110, 165),  //  1 desktop background
    rgb(10, 36, 106),   //  2 active caption
    rgb(128, 128, 128), //  3 inactive caption
    rgb(212, 208, 200), //  4 menu
    rgb(255, 255, 255), //  5 window
    rgb(0, 0, 0),       //  6 window frame
    rgb(0, 0, 0),       //  7 menu text
    rgb(0, 0, 0),       //  8 window text
    rgb(255, 255, 255), //  9 caption text
    rgb(212, 208, 200), // 10 active border
    rgb(212, 208, 200), // 11 inactive border
    rgb(128, 128, 128), // 12 application workspace
    rgb(10, 36, 106),   // 13 highlight (selection)
    rgb(255, 255, 255), // 14 highlight text
    rgb(212, 208, 200), // 15 button face
    rgb(128, 128, 128), // 16 button shadow
    rgb(128, 128, 128), // 17 grey text
    rgb(0, 0, 0),       // 18 button text
    rgb(212, 208, 200), // 19 inactive caption text
    rgb(255, 255, 255), // 20 button highlight
    rgb(64, 64, 64),    // 21 3D dark shadow
    rgb(212, 208, 200), // 22 3D light
    rgb(0, 0, 0),       // 23 tooltip text
    rgb(255, 255, 225), // 24 tooltip background
    rgb(181, 181, 181), // 25 (unnamed)
    rgb(0, 0, 128),     // 26 hot-tracked item
    rgb(166, 202, 240), // 27 active caption gradient
    rgb(192, 192, 192), // 28 inactive caption gradient
    rgb(10, 36, 106),   // 29 menu highlight
    rgb(212, 208, 200), // 30 menu bar
};

} // namespace chameleon
