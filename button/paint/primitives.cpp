// The six drawing primitives, writing straight into the host's RGB32 surface. They follow the
// pixel rules of the platform calls they stand for: fills and frames cover x .. x + width - 1,
// lines draw their start pixel and omit their end pixel and step like the platform's line
// rasteriser, the ellipse is filled inside a two-pixel outline, and the focus rectangle
// inverts every other border pixel. Everything is clipped to the surface. Coordinates are
// logical pixels: on a high-density surface each one fills its device block (device_grid.h),
// so the drawing is the 1x drawing enlarged, with no blended colour.
#include "button/paint/primitives.h"

#include "button/paint/checked_math.h"
#include "button/paint/device_grid.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace chameleon {

namespace {

constexpr QRgb toQRgb(Rgb color) {
    return 0xFF000000u | (static_cast<QRgb>(redOf(color)) << 16) |
           (static_cast<QRgb>(greenOf(color)) << 8) | static_cast<QRgb>(blueOf(color));
}

// The surface as 32-bit rows. A surface of another format is converted once; every later
// call finds it ready.
QImage& surfaceOf(QImage& img) {
    if (img.depth() != 32 && !img.isNull()) img = img.convertToFormat(QImage::Format_RGB32);
    return img;
}

QRgb* row(QImage& img, int y) {
    return reinterpret_cast<QRgb*>(img.scanLine(y));
}

// The surface with its device grid: every write below is in logical pixels, and on a
// high-density surface each one fills its whole device block.
struct Canvas {
    explicit Canvas(QImage& s) : img(surfaceOf(s)), grid(img) {}
    QImage& img;
    const DeviceGrid grid;
    std::int64_t width() const { return grid.logicalWidth(); }
    std::int64_t height() const { return grid.logicalHeight(); }
};

// Fills device columns [x0, x1) of device rows [y0, y1), clipped.
void fillDevice(QImage& img, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                QRgb color) {
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, img.width());
    y0 = std::max<std::int64_t>(y0, 0);
    y1 = std::min<std::int64_t>(y1, img.height());
    if (x0 >= x1) return;
    for (std::int64_t y = y0; y < y1; ++y) {
        QRgb* p = row(img, static_cast<int>(y));
        std::fill(p + x0, p + x1, color);
    }
}

// Fills logical columns [x0, x1) of logical rows [y0, y1), clipped.
void fillLogical(Canvas& c, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                 QRgb color) {
    const DeviceGrid& g = c.grid;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, c.width());
    y0 = std::max<std::int64_t>(y0, 0);
    y1 = std::min<std::int64_t>(y1, c.height());
    if (x0 >= x1 || y0 >= y1) return;
    fillDevice(c.img, g.edge(x0), g.edge(y0), g.edge(x1), g.edge(y1), color);
}

// Fills columns [x0, x1) of row y, clipped.
void hspan(Canvas& c, std::int64_t y, std::int64_t x0, std::int64_t x1, QRgb color) {
    if (!c.grid.unit()) return fillLogical(c, x0, y, x1, y + 1, color);
    QImage& img = c.img;
    if (y < 0 || y >= img.height()) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, img.width());
    if (x0 >= x1) return;
    QRgb* p = row(img, static_cast<int>(y));
    std::fill(p + x0, p + x1, color);
}

// Fills rows [y0, y1) of column x, clipped.
void vspan(Canvas& c, std::int64_t x, std::int64_t y0, std::int64_t y1, QRgb color) {
    if (!c.grid.unit()) return fillLogical(c, x, y0, x + 1, y1, color);
    QImage& img = c.img;
    if (x < 0 || x >= img.width()) return;
    y0 = std::max<std::int64_t>(y0, 0);
    y1 = std::min<std::int64_t>(y1, img.height());
    for (std::int64_t y = y0; y < y1; ++y) row(img, static_cast<int>(y))[x] = color;
}

void fillRect(Canvas& c, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
              QRgb color) {
    if (!c.grid.unit()) return fillLogical(c, x0, y0, x1, y1, color);
    y0 = std::max<std::int64_t>(y0, 0);
    y1 = std::min<std::int64_t>(y1, c.img.height());
    for (std::int64_t y = y0; y < y1; ++y) hspan(c, y, x0, x1, color);
}

// Inverts (xor) the device block of logical pixel (x, y), which the caller has clipped.
void invertDevice(Canvas& c, std::int64_t x, std::int64_t y, QRgb bits) {
    const DeviceGrid& g = c.grid;
    const std::int64_t x1 = std::min<std::int64_t>(g.edge(x + 1), c.img.width());
    const std::int64_t y1 = std::min<std::int64_t>(g.edge(y + 1), c.img.height());
    for (std::int64_t dy = g.edge(y); dy < y1; ++dy) {
        QRgb* p = row(c.img, static_cast<int>(dy));
        for (std::int64_t dx = g.edge(x); dx < x1; ++dx) p[dx] ^= bits;
    }
}

// One pixel that the caller has already clipped to the surface.
void plot(Canvas& c, int x, int y, QRgb color) {
    if (c.grid.unit()) {
        row(c.img, y)[x] = color;
        return;
    }
    fillLogical(c, x, y, x + 1, y + 1, color);
}

// The platform's line rasteriser numbers the eight octants of the direction (y downward) and
// rounds ties away from the ideal line differently in octants 3, 5, 6 and 8, so that a line
// and its reverse cover the same pixels except for the omitted end.
int octantOf(std::int64_t dx, std::int64_t dy) {
    if (dy > 0) {
        if (dx > 0) return dx > dy ? 1 : 2;
        return -dx > dy ? 4 : 3;
    }
    if (dx < 0) return -dx > -dy ? 5 : 6;
    return dx > -dy ? 8 : 7;
}

std::int64_t biasOf(int octant) {
    return (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
}

// floor(a / b) for b > 0.
__int128 floorDiv(__int128 a, __int128 b) {
    __int128 q = a / b;
    if ((a % b != 0) && (a < 0)) --q;
    return q;
}

// A one-pixel line from (x1, y1) toward (x2, y2), end pixel omitted. Bresenham's stepping in
// closed form: after i major steps the minor axis has moved
//   floor((2 i dMinor + dMajor - 1 + bias) / (2 dMajor))
// pixels, which is what the incremental error term gives; the closed form lets the loop
// start and stop at the surface's edges however far away the ends lie.
void drawLine(Canvas& img, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
              QRgb color) {
    const std::int64_t dx = x2 - x1;
    const std::int64_t dy = y2 - y1;
    if (dx == 0 && dy == 0) return;
    if (dy == 0) {
        if (dx > 0)
            hspan(img, y1, x1, x2, color);
        else
            hspan(img, y1, x2 + 1, x1 + 1, color);
        return;
    }
    if (dx == 0) {
        if (dy > 0)
            vspan(img, x1, y1, y2, color);
        else
            vspan(img, x1, y2 + 1, y1 + 1, color);
        return;
    }
    const std::int64_t adx = dx < 0 ? -dx : dx;
    const std::int64_t ady = dy < 0 ? -dy : dy;
    const std::int64_t sx = dx < 0 ? -1 : 1;
    const std::int64_t sy = dy < 0 ? -1 : 1;
    const std::int64_t bias = biasOf(octantOf(dx, dy));
    const bool xMajor = adx > ady;
    const std::int64_t dMaj = xMajor ? adx : ady;
    const std::int64_t dMin = xMajor ? ady : adx;
    const std::int64_t a0 = xMajor ? x1 : y1; // major axis start
    const std::int64_t b0 = xMajor ? y1 : x1;
    const std::int64_t sa = xMajor ? sx : sy;
    const std::int64_t sb = xMajor ? sy : sx;
    const std::int64_t aLimit = xMajor ? img.width() : img.height();
    const std::int64_t bLimit = xMajor ? img.height() : img.width();

    // Steps i in [0, dMaj) whose major coordinate a0 + sa * i lies in [0, aLimit).
    std::int64_t iFirst, iLast; // inclusive
    if (sa > 0) {
        iFirst = std::max<std::int64_t>(0, -a0);
        iLast = std::min<std::int64_t>(dMaj - 1, aLimit - 1 - a0);
    } else {
        iFirst = std::max<std::int64_t>(0, a0 - (aLimit - 1));
        iLast = std::min<std::int64_t>(dMaj - 1, a0);
    }
    for (std::int64_t i = iFirst; i <= iLast; ++i) {
        const __int128 k = floorDiv(__int128(2) * i * dMin + dMaj - 1 + bias, __int128(2) * dMaj);
        const std::int64_t a = a0 + sa * i;
        const std::int64_t b = b0 + sb * static_cast<std::int64_t>(k);
        if (b < 0 || b >= bLimit) continue;
        const int px = static_cast<int>(xMajor ? a : b);
        const int py = static_cast<int>(xMajor ? b : a);
        plot(img, px, py, color);
    }
}

std::uint64_t isqrt(std::uint64_t m) {
    auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(m)));
    while (r > 0 && static_cast<unsigned __int128>(r) * r > m) --r;
    while (static_cast<unsigned __int128>(r + 1) * (r + 1) <= m) ++r;
    return r;
}

} // namespace

std::pair<std::int64_t, std::int64_t> ellipseRowSpan(std::int64_t width, std::int64_t height,
                                                     std::int64_t y) {
    if (width <= 0 || height <= 0 || y < 0 || y >= height) return {0, 0};
    // Doubled coordinates from the centre: a pixel centre (k + 1/2, y + 1/2) of the box is at
    // u = 2k + 1 - width, v = 2y + 1 - height, and lies inside when
    //   u^2 height^2 + v^2 width^2 <= width^2 height^2.
    const auto w = static_cast<unsigned __int128>(width);
    const auto h = static_cast<unsigned __int128>(height);
    const std::int64_t v = 2 * y + 1 - height;
    const auto v2 = static_cast<unsigned __int128>(v < 0 ? -v : v);
    const auto limit = static_cast<std::uint64_t>(w * w * (h * h - v2 * v2) / (h * h));
    auto u = static_cast<std::int64_t>(isqrt(limit));
    // u must have the parity of width - 1.
    if (((u ^ (width - 1)) & 1) != 0) --u;
    if (u < 0) return {0, 0};
    return {(width - 1 - u) / 2, (width - 1 + u) / 2 + 1};
}

void PaintBox(QImage& s, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Rgb color, bool frameOnly) {
    const std::int32_t right = checked::add(x, width);
    const std::int32_t bottom = checked::add(y, height);
    if (right <= x || bottom <= y) return; // empty or inverted: nothing
    Canvas img(s);
    const QRgb col = toQRgb(color);
    if (!frameOnly) {
        fillRect(img, x, y, right, bottom, col);
        return;
    }
    //  ######   the frame: top and bottom rows in full,
    //  #....#   the side columns between them
    //  ######
    hspan(img, y, x, right, col);
    hspan(img, bottom - 1, x, right, col);
    vspan(img, x, y + 1, bottom - 1, col);
    vspan(img, right - 1, y + 1, bottom - 1, col);
}

void PaintOval(QImage& s, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Rgb penColor, Rgb brushColor) {
    std::int64_t left = x, top = y;
    std::int64_t right = checked::add(x, width), bottom = checked::add(y, height);
    if (left > right) std::swap(left, right); // the ellipse call orders its corners
    if (top > bottom) std::swap(top, bottom);
    const std::int64_t w = right - left, h = bottom - top;
    if (w == 0 || h == 0) return;
    Canvas img(s);
    const QRgb pen = toQRgb(penColor), brush = toQRgb(brushColor);
    constexpr std::int64_t kPenWidth = 2;
    // Outline: the ellipse minus the one inscribed two pixels further in (same centre);
    // inside that, the brush.
    const std::int64_t y0 = std::max<std::int64_t>(0, -top);
    const std::int64_t y1 = std::min<std::int64_t>(h, img.height() - top);
    for (std::int64_t j = y0; j < y1; ++j) {
        const auto [o0, o1] = ellipseRowSpan(w, h, j);
        if (o0 >= o1) continue;
        const auto [i0, i1] = ellipseRowSpan(w - 2 * kPenWidth, h - 2 * kPenWidth, j - kPenWidth);
        const std::int64_t py = top + j;
        if (i0 >= i1) {
            hspan(img, py, left + o0, left + o1, pen);
            continue;
        }
        hspan(img, py, left + o0, left + kPenWidth + i0, pen);
        hspan(img, py, left + kPenWidth + i0, left + kPenWidth + i1, brush);
        hspan(img, py, left + kPenWidth + i1, left + o1, pen);
    }
}

void PaintLine(QImage& s, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
               Rgb color) {
    Canvas c(s);
    drawLine(c, x1, y1, x2, y2, toQRgb(color));
}

void PaintBevel(QImage& s, std::int32_t clientWidth, std::int32_t clientHeight, Rgb outerTopLeft,
                Rgb outerBottomRight, Rgb innerTopLeft, Rgb innerBottomRight, std::int16_t inset,
                bool outerOnly) {
    using namespace checked;
    const std::int32_t e = inset < 0 ? -inset : inset;
    const std::int32_t right = add(sub(clientWidth, 1), inset);
    const std::int32_t bottom = add(sub(clientHeight, 1), inset);
    Canvas img(s);

    // A pen position as MoveTo / LineTo keep it.
    std::int64_t px = 0, py = 0;
    auto moveTo = [&](std::int64_t x, std::int64_t y) {
        px = x;
        py = y;
    };
    auto lineTo = [&](std::int64_t x, std::int64_t y, QRgb col) {
        drawLine(img, px, py, x, y, col);
        moveTo(x, y);
    };

    // A A A A A B      A: left column (bottom-up) and top row
    // A C C C D B      B: right column and bottom row (right to left)
    // A C . . D B      C: inner left column (bottom-up) and inner top row
    // A D D D D B      D: inner right column and inner bottom row (right to left)
    // B B B B B B      each line leaves its end pixel to the next
    const QRgb a = toQRgb(outerTopLeft), b = toQRgb(outerBottomRight);
    moveTo(e, bottom);
    lineTo(e, e, a);
    lineTo(right, e, a);
    lineTo(right, bottom, b);
    lineTo(e - 1, bottom, b);
    moveTo(e + 1, bottom - 1);
    if (outerOnly) return;
    const QRgb ci = toQRgb(innerTopLeft), d = toQRgb(innerBottomRight);
    lineTo(e + 1, e + 1, ci);
    lineTo(right - 1, e + 1, ci);
    lineTo(right - 1, bottom - 1, d);
    lineTo(e, bottom - 1, d);
}

void PaintPixel(QImage& s, std::int32_t x, std::int32_t y, Rgb color) {
    Canvas img(s);
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
    plot(img, x, y, toQRgb(color));
}

void PaintFocusRect(QImage& s, const Rect& f) {
    if (f.right <= f.left || f.bottom <= f.top) return;
    Canvas img(s);
    // The dotted pattern is a checkerboard anchored at the surface origin: the border pixels
    // with x + y even are inverted, the others left alone. Drawing it twice removes it.
    //   x . x . x
    //   .       .
    //   x . x . x
    constexpr QRgb kInvert = 0x00FFFFFF;
    auto invert = [&](std::int64_t x, std::int64_t y) {
        if (((x + y) & 1) != 0) return;
        if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
        if (img.grid.unit()) {
            row(img.img, static_cast<int>(y))[x] ^= kInvert;
            return;
        }
        invertDevice(img, x, y, kInvert);
    };
    const std::int64_t l = f.left, t = f.top, r = f.right - 1, b = f.bottom - 1;
    const std::int64_t x0 = std::max<std::int64_t>(l, -1),
                       x1 = std::min<std::int64_t>(r, img.width());
    const std::int64_t y0 = std::max<std::int64_t>(t + 1, -1);
    const std::int64_t y1 = std::min<std::int64_t>(b - 1, img.height());
    for (std::int64_t x = x0; x <= x1; ++x) {
        invert(x, t);
        if (b != t) invert(x, b);
    }
    for (std::int64_t y = y0; y <= y1; ++y) {
        invert(l, y);
        if (r != l) invert(r, y);
    }
}

} // namespace chameleon
