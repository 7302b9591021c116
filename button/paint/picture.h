// Measuring and drawing the button's pictures: own colours with a transparent mask colour,
// greyscale, washed out, silhouettes and the embossed pairs of the disabled look.
#pragma once

#include "button/paint/drawing.h"

namespace chameleon {

// Draws the picture for mode 0 (up), 1 (down) or 2 (disabled); other modes draw nothing.
void DrawPicture(Drawing& d, std::uint8_t mode);
// Draws the SpecialEffect silhouettes of picture shifted by shift (-1, 0 or 1) pixels.
void DrawPictureEffect(Drawing& d, std::int32_t shift, const PicturePtr& picture);
// Draws picture into dest with its top left at (x, y), width by height pixels. A negative
// solidColor draws own colours (greyscale before blend); 0 or more draws a silhouette in it.
// Pixels in maskColor are transparent with useMaskColor; without it no pixel is, and an icon
// still shows its transparent parts in maskColor, the colour it is composed on.
void DrawMaskedPicture(QImage& dest, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, const Picture& picture, Rgb maskColor,
                       std::int32_t solidColor, bool darkOnly, bool greyscale, bool blend,
                       bool useMaskColor);
// The grey a picture pixel becomes: round(0.59 G + round(0.3 R) + 0.11 B), halves to even.
int greyOf(int red, int green, int blue);

} // namespace chameleon
