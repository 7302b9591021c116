// Window shapes. Some styles cut their corners or are an ellipse: the shape built here is what
// the host gives the window, so the container shows through and the pointer is not over the
// button there.
#include "button/paint/shape.h"

#include "button/paint/primitives.h"

#include <array>

namespace chameleon {

namespace {

// A client pixel given relative to the corners: a negative coordinate counts back from the
// width (x) or height (y), so {-1, 0} is (W - 1, 0).
struct CornerPixel {
    std::int32_t x, y;
};

// OutlinedBevel and GradientFramed lose the four corner pixels.
constexpr std::array<CornerPixel, 4> kSquareCorners = {{{0, -1}, {-1, 0}, {0, 0}, {-1, -1}}};
// DoubleFrame keeps its top-left and bottom-right corners.
constexpr std::array<CornerPixel, 2> kDoubleFrameCorners = {{{0, -1}, {-1, 0}}};
// The rounded types lose an L of three pixels at every corner:
//
//   x x . . . . x x      x: removed
//   x . . . . . . x
//   . . . . . . . .
//   x . . . . . . x
//   x x . . . . x x
constexpr std::array<CornerPixel, 12> kRoundedCorners = {{
    {0, 0},
    {1, 0},
    {0, -1},
    {1, -1},
    {-2, 0},
    {-1, 0},
    {-2, -1},
    {-1, -1},
    {0, 1},
    {0, -2},
    {-1, 1},
    {-1, -2},
}};

template <std::size_t N>
QRegion withoutPixels(QRegion region, const std::array<CornerPixel, N>& pixels, std::int32_t w,
                      std::int32_t h) {
    for (const CornerPixel& p : pixels) {
        region -= QRegion(p.x >= 0 ? p.x : w + p.x, p.y >= 0 ? p.y : h + p.y, 1, 1);
    }
    return region;
}

// The ellipse inscribed in the client rectangle, row by row from the same spans PaintOval
// fills, so the window shows exactly the drawn ellipse and nothing of the face around it.
QRegion ellipseRegion(std::int32_t w, std::int32_t h) {
    QRegion region;
    for (std::int32_t y = 0; y < h; ++y) {
        const auto [first, last] = ellipseRowSpan(w, h, y);
        if (first < last) {
            region += QRect(static_cast<int>(first), y, static_cast<int>(last - first), 1);
        }
    }
    return region;
}

} // namespace

QRegion shapeRegionFor(std::int32_t buttonType, std::int32_t w, std::int32_t h) {
    const QRegion full(0, 0, w, h);
    switch (buttonType) {
    case OutlinedBevel:
    case GradientFramed:
        return withoutPixels(full, kSquareCorners, w, h);
    case DoubleFrame:
        return withoutPixels(full, kDoubleFrameCorners, w, h);
    case RoundedGradient:
    case RoundedBevel:
        return withoutPixels(full, kRoundedCorners, w, h);
    case Oval:
        return ellipseRegion(w, h);
    default:
        return full;
    }
}

} // namespace chameleon
