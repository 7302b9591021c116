// Caption layout, access key and caption drawing.
#pragma once

#include "button/control.h"

namespace chameleon {

// Recomputes CaptionRect, CaptionDownRect, CaptionWidth, CaptionHeight, then PlacePicture.
void LayoutCaption(Control& c);
// Sets PictureX and PictureY from PicturePosition, CaptionRect and the client size.
void PlacePicture(Control& c);
// Derives the access key from the first single ampersand of the caption.
void SetAccessKey(Control& c);
// The access key SetAccessKey derives from a caption ("" for none).
QString AccessKeyOf(const QString& caption);
// Draws the caption in one of the eight modes and records LastCaptionMode.
void DrawCaption(Control& c, std::uint8_t mode);
// Draws the SpecialEffect copies of the caption around rect.
void DrawCaptionEffect(Control& c, const Rect& rect);
// One text output: the caption wrapped, centred and with "&" prefixes, in color, in rect,
// without filling its background.
void DrawCaptionText(Control& c, const Rect& rect, Rgb color);

} // namespace chameleon
