// How the button's logical pixels land on a surface with more device pixels than logical ones
// (QImage::devicePixelRatio() above 1, as on a high-density screen). Frames, fills and shading
// keep their 1x geometry: logical pixel x covers device columns [edge(x), edge(x + 1)), rows
// alike, with edge(x) = ceil(x * ratio). At an integer ratio n that is an n x n block; at a
// fractional ratio the blocks are 1 or 2 device pixels wide (at 1.5), never a blend, so no
// colour appears that the 1x drawing lacks. A w x h logical surface is ceil(w * ratio) x
// ceil(h * ratio) device pixels (deviceSizeFor), so the last logical pixel reaches the edge.
// Captions and pictures use the same edges to place themselves but draw inside at device
// resolution.
#pragma once

#include <QImage>
#include <QSize>

#include <cmath>
#include <cstdint>

namespace chameleon {

class DeviceGrid {
  public:
    explicit DeviceGrid(const QImage& surface)
        : ratio_(surface.isNull() ? 1.0 : surface.devicePixelRatio()),
          unit_(ratio_ == 1.0 || !(ratio_ > 0.0)), logicalWidth_(toLogical(surface.width())),
          logicalHeight_(toLogical(surface.height())) {
        if (unit_) ratio_ = 1.0;
    }

    // True at ratio 1: device and logical pixels are the same, and callers keep their 1x path.
    bool unit() const { return unit_; }
    double ratio() const { return ratio_; }
    // The first device column (or row) of logical column (or row) x.
    std::int64_t edge(std::int64_t x) const {
        if (unit_) return x;
        return static_cast<std::int64_t>(std::ceil(static_cast<double>(x) * ratio_ - kSlack));
    }
    // The logical size whose device pixels cover the whole surface.
    std::int64_t logicalWidth() const { return logicalWidth_; }
    std::int64_t logicalHeight() const { return logicalHeight_; }

  private:
    // Absorbs the rounding of x * ratio for ratios that binary fractions cannot hold (1.1).
    static constexpr double kSlack = 1e-7;

    std::int64_t toLogical(int device) const {
        if (unit_) return device;
        return static_cast<std::int64_t>(std::ceil(device / ratio_ - kSlack));
    }

    double ratio_;
    bool unit_;
    std::int64_t logicalWidth_;
    std::int64_t logicalHeight_;
};

// The device size of a logical size at ratio: each side ceil(side * ratio).
inline QSize deviceSizeFor(const QSize& logical, double ratio) {
    if (ratio == 1.0) return logical;
    constexpr double kSlack = 1e-7;
    auto side = [ratio](int n) { return static_cast<int>(std::ceil(n * ratio - kSlack)); };
    return {side(logical.width()), side(logical.height())};
}

} // namespace chameleon
