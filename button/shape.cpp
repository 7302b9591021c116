// Window shape and background capture. Some styles cut their corners or are an ellipse: the
// shape built here is what the host gives the window, so the container shows through and the
// pointer is not over the button there. The Transparent style paints the container's own
// pixels, which CaptureBackground takes while the control is briefly collapsed.
#include "button/shape.h"

#include "button/primitives.h"

#include <QPainter>
#include <array>

namespace chameleon {

namespace {

// A client pixel given relative to the corners: a negative coordinate counts back from the
// width (x) or height (y), so {-1, 0} is (W - 1, 0).
struct CornerPixel {
    std::int32_t x, y;
};

// OutlinedBevel and GradientFramed lose the four corner pixels.
constexpr std::array<CornerPixel, 4> SquareCorners = {{{0, -1}, {-1, 0}, {0, 0}, {-1, -1}}};
// DoubleFrame keeps its top-left and bottom-right corners.
constexpr std::array<CornerPixel, 2> DoubleFrameCorners = {{{0, -1}, {-1, 0}}};
// The rounded types lose an L of three pixels at every corner:
//
//   x x . . . . x x      x: removed
//   x . . . . . . x
//   . . . . . . . .
//   x . . . . . . x
//   x x . . . . x x
constexpr std::array<CornerPixel, 12> RoundedCorners = {{
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
QRegion WithoutPixels(QRegion region, const std::array<CornerPixel, N>& pixels, std::int32_t w,
                      std::int32_t h) {
    for (const CornerPixel& p : pixels) {
        region -= QRegion(p.x >= 0 ? p.x : w + p.x, p.y >= 0 ? p.y : h + p.y, 1, 1);
    }
    return region;
}

// The ellipse inscribed in the client rectangle, row by row from the same spans PaintOval
// fills, so the window shows exactly the drawn ellipse and nothing of the face around it.
QRegion EllipseRegion(std::int32_t w, std::int32_t h) {
    QRegion region;
    for (std::int32_t y = 0; y < h; ++y) {
        const auto [first, last] = EllipseRowSpan(w, h, y);
        if (first < last) {
            region += QRect(static_cast<int>(first), y, static_cast<int>(last - first), 1);
        }
    }
    return region;
}

// Runs one step of the capture, swallowing whatever it throws: a failing step is skipped and
// the next one runs.
template <typename Step>
void IgnoringErrors(Step step) {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

void BuildShapeRegion(Control& c) {
    ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    const QRegion full(0, 0, w, h);
    switch (r.ButtonType) {
    case OutlinedBevel:
    case GradientFramed:
        r.ShapeRegion = WithoutPixels(full, SquareCorners, w, h);
        break;
    case DoubleFrame:
        r.ShapeRegion = WithoutPixels(full, DoubleFrameCorners, w, h);
        break;
    case RoundedGradient:
    case RoundedBevel:
        r.ShapeRegion = WithoutPixels(full, RoundedCorners, w, h);
        break;
    case Oval:
        r.ShapeRegion = EllipseRegion(w, h);
        break;
    default:
        r.ShapeRegion = full;
        break;
    }
}

void CaptureBackground(Control& c) {
    ButtonRecord& r = c.r;
    // A capture started from the message processing of another would copy the button itself
    // (the outer one has already put the height back by then): keep to the outer one.
    if (r.CapturingBackground) return;
    r.CapturingBackground = true;
    // Collapsed, the button lets the container repaint the area it covered.
    IgnoringErrors([&] { c.host.setHeightTwips(0); });
    IgnoringErrors([&] { c.host.processPendingMessages(); });
    IgnoringErrors([&] {
        const QImage behind = c.host.grabContainerBehind(r.ClientWidth, r.ClientHeight);
        if (behind.isNull() || r.Backdrop.isNull()) return;
        QPainter painter(&r.Backdrop);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, behind);
    });
    IgnoringErrors([&] { c.host.setHeightTwips(c.host.pixelsToTwipsY(r.ClientHeight)); });
    r.CapturingBackground = false;
}

} // namespace chameleon
