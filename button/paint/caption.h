// Caption drawing: the eight caption modes and the SpecialEffect copies, on the surface of
// one drawing, from the face's layout and colours.
#pragma once

#include "button/paint/drawing.h"

namespace chameleon {

// Draws the caption in one of the eight modes and records it as the drawing's caption mode.
void DrawCaption(Drawing& d, std::uint8_t mode);
// Draws the SpecialEffect copies of the caption around rect.
void DrawCaptionEffect(Drawing& d, const Rect& rect);
// One text output: the caption wrapped, centred and with "&" prefixes, in color, in rect,
// without filling its background.
void drawCaptionText(Drawing& d, const Rect& rect, Rgb color);

} // namespace chameleon
