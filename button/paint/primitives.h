// The six drawing primitives. Every pixel the styles draw goes through these, so their exact
// pixel geometry is what every style's look rests on: fills and frames cover x..x+width-1,
// lines draw their start pixel and omit their end pixel. Each takes the surface (an RGB32
// image; another format is converted on first use) and explicit colours, nothing else.
// Coordinates are logical pixels; a surface with a device pixel ratio gets each one as its
// block of device pixels (device_grid.h).
#pragma once

#include "button/paint/types.h"

#include <QImage>
#include <utility>

namespace chameleon {

void PaintBox(QImage& s, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Rgb color, bool frameOnly);
// PaintBox filled, and as a one-pixel frame.
inline void fill(QImage& s, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                 Rgb color) {
    PaintBox(s, x, y, w, h, color, false);
}
inline void frame(QImage& s, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                  Rgb color) {
    PaintBox(s, x, y, w, h, color, true);
}
// Filled ellipse bounded by (x, y, x + width, y + height) with a two-pixel outline.
void PaintOval(QImage& s, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Rgb penColor, Rgb brushColor);
void PaintLine(QImage& s, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
               Rgb color);
// Up to two nested one-pixel rings round a clientWidth by clientHeight area, inset (0 or
// negative) pixels in.
void PaintBevel(QImage& s, std::int32_t clientWidth, std::int32_t clientHeight, Rgb outerTopLeft,
                Rgb outerBottomRight, Rgb innerTopLeft, Rgb innerBottomRight, std::int16_t inset,
                bool outerOnly);
void PaintPixel(QImage& s, std::int32_t x, std::int32_t y, Rgb color);
// The dotted, inverting focus rectangle along focus's edges.
void PaintFocusRect(QImage& s, const Rect& focus);

// The pixels of row y (0 at the top) inside the ellipse inscribed in a width by height box, as
// columns [first, last) counted from the box's left; first >= last when the row is empty.
// PaintOval's outline and fill are built from these rows.
std::pair<std::int64_t, std::int64_t> ellipseRowSpan(std::int64_t width, std::int64_t height,
                                                     std::int64_t y);

} // namespace chameleon
