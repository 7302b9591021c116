// The drawing of each ButtonType, one function per style with its up, down and disabled
// drawings side by side. Redraw picks one from its table after it has cleared the surface and
// filled the face, and draws the picture after it; none of these repeats either step.
#pragma once

#include "button/control.h"

namespace chameleon {

// Which of a style's three drawings to make. Hovering is not a look of its own: the up
// drawings test IsOver themselves.
enum class Look : std::uint8_t { Up, Down, Disabled };

using StyleDrawing = void (*)(Control& c, Look look);

// Straight edges on a plain face.
void DrawOutlinedBevel(Control& c, Look look);
void DrawClassicBevel(Control& c, Look look);
void DrawThickRaised(Control& c, Look look);
void DrawThinRaised(Control& c, Look look);
void DrawFlatHotThin(Control& c, Look look);
void DrawFlatHighlight(Control& c, Look look);
void DrawTransparent(Control& c, Look look);
void DrawFlatHotBevel(Control& c, Look look);

// Shading, fixed palettes, cut corners and curves.
void DrawRoundedGradient(Control& c, Look look);
void DrawRoundedBevel(Control& c, Look look);
void DrawDoubleFrame(Control& c, Look look);
void DrawOval(Control& c, Look look);
void DrawGradientFramed(Control& c, Look look);

// The drawing for a ButtonType; null for FaceOnly and every value outside 1 to 14, which draw
// nothing beyond the face fill and the picture.
StyleDrawing StyleFor(std::int32_t buttonType);

// CaptionOver while the pointer is over the button, CaptionUp otherwise.
std::uint8_t OverCaptionMode(const Control& c);

// Gradient shading constants: the darkening spread over the face's height.
inline constexpr std::int32_t RoundedGradientSpread = 25;
inline constexpr std::int32_t GradientFramedSpread = 58;

// The offset of gradient row i (1..height): -(spread / height) * i, the step held as a 32-bit
// float and the product rounded to the nearest integer with halves to even.
std::int32_t GradientOffset(std::int32_t spread, std::int32_t height, std::int32_t i);

// Shades the face one row at a time from base: row i (1..ClientHeight) is a full-width line at
// y = i, or at y = ClientHeight - i when bottomUp, in OffsetColor(base, GradientOffset(...)).
void PaintGradient(Control& c, std::int32_t spread, Rgb base, bool proportional, bool bottomUp);

} // namespace chameleon
