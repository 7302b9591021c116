// The drawing of each ButtonType, one function per style with its up, down and disabled
// drawings side by side. paintButton picks one from its table after the surface is cleared
// and the face filled, and draws the picture after it; none of these repeats either step.
#pragma once

#include "button/paint/drawing.h"

namespace chameleon {

// Which of a style's three drawings to make. Hovering is not a look of its own: the up
// drawings test IsOver themselves.
enum class Look : std::uint8_t { Up, Down, Disabled };

using StyleDrawing = void (*)(Drawing& d, Look look);

// Straight edges on a plain face.
void drawOutlinedBevel(Drawing& d, Look look);
void drawClassicBevel(Drawing& d, Look look);
void drawThickRaised(Drawing& d, Look look);
void drawThinRaised(Drawing& d, Look look);
void drawFlatHotThin(Drawing& d, Look look);
void drawFlatHighlight(Drawing& d, Look look);
void drawTransparent(Drawing& d, Look look);
void drawFlatHotBevel(Drawing& d, Look look);

// Shading, fixed palettes, cut corners and curves.
void drawRoundedGradient(Drawing& d, Look look);
void drawRoundedBevel(Drawing& d, Look look);
void drawDoubleFrame(Drawing& d, Look look);
void drawOval(Drawing& d, Look look);
void drawGradientFramed(Drawing& d, Look look);

// The drawing for a ButtonType; null for FaceOnly and every value outside 1 to 14, which draw
// nothing beyond the face fill and the picture.
StyleDrawing styleFor(std::int32_t buttonType);

// CaptionOver while the pointer is over the button, CaptionUp otherwise.
inline std::uint8_t overCaptionMode(const ButtonFace& face) {
    return face.IsOver ? CaptionOver : CaptionUp;
}

// The dotted focus rectangle round FocusRect, only with ShowFocusRect and HasFocus.
void paintFocus(Drawing& d);

// Gradient shading constants: the darkening spread over the face's height.
inline constexpr std::int32_t kRoundedGradientSpread = 25;
inline constexpr std::int32_t kGradientFramedSpread = 58;

// The offset of gradient row i (1..height): -(spread / height) * i, the step held as a 32-bit
// float and the product rounded to the nearest integer with halves to even.
std::int32_t gradientOffset(std::int32_t spread, std::int32_t height, std::int32_t i);

// Shades the face one row at a time from base: row i (1..ClientHeight) is a full-width line at
// y = i, or at y = ClientHeight - i when bottomUp, in OffsetColor(base, gradientOffset(...)).
void paintGradient(Drawing& d, std::int32_t spread, Rgb base, bool proportional, bool bottomUp);

} // namespace chameleon
