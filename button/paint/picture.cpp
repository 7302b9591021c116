// Measuring and drawing the button's pictures. DrawPicture chooses, per state and style,
// which picture goes where in which colours; DrawMaskedPicture does all the pixel work in one
// pass over the destination rows, reading the picture (an icon first composed on the mask
// colour) and writing own colours, grey, a two-thirds blend or a silhouette, with the mask
// colour left transparent. Nothing outlives a call.
#include "button/paint/picture.h"

#include "button/paint/caption.h"
#include "button/paint/checked_math.h"
#include "button/paint/colors.h"
#include "button/paint/device_grid.h"

#include <algorithm>
#include <cmath>

namespace chameleon {

namespace {

// Disabled FlatHighlight silhouettes are a little lighter than the shadow.
constexpr std::int32_t kFlatDisabledOffset = 13;
// DarkOnly silhouettes skip pixels brighter than this red + green + blue.
constexpr int kDarkOnlyLimit = 384;

constexpr Rgb rgbOf(QRgb p) {
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

// An icon is drawn in its own size onto a width by height canvas of the mask colour, so its
// transparent parts (and anything beyond it) come out in the mask colour.
QImage composeIcon(const QImage& icon, int width, int height, Rgb maskColor) {
    QImage canvas(width, height, QImage::Format_RGB32);
    const QRgb m = qRgb(redOf(maskColor), greenOf(maskColor), blueOf(maskColor));
    canvas.fill(m);
    const int w = std::min(width, icon.width()), h = std::min(height, icon.height());
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(icon.constScanLine(y));
        auto* dst = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(src[x]);
            auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
            dst[x] = qRgb(mix(qRed(src[x]), qRed(m)), mix(qGreen(src[x]), qGreen(m)),
                          mix(qBlue(src[x]), qBlue(m)));
        }
    }
    return canvas;
}

bool drawsCaption(std::int32_t type) {
    return type >= OutlinedBevel && type <= GradientFramed && type != FaceOnly;
}

} // namespace

int greyOf(int red, int green, int blue) {
    // Computed in double precision in this order, both roundings to the nearest even.
    return static_cast<int>(std::nearbyint(0.59 * green + std::nearbyint(0.3 * red) + 0.11 * blue));
}

void DrawMaskedPicture(QImage& dest, std::int32_t x, std::int32_t y, std::int32_t width,
                       std::int32_t height, const Picture& picture, Rgb maskColor,
                       std::int32_t solidColor, bool darkOnly, bool greyscale, bool blend,
                       bool useMaskColor) {
    if (width == 0 || height == 0 || picture.image.isNull() || dest.isNull()) return;
    if (width < 0) width = picture.image.width();
    if (height < 0) height = picture.image.height();
    if (dest.depth() != 32) dest = dest.convertToFormat(QImage::Format_RGB32);

    // The source: a bitmap as it is (pixels beyond its edge are not part of it and stay
    // transparent), an icon composed on the mask colour at the drawing size.
    QImage composed;
    const QImage* src = &picture.image;
    if (picture.kind != Picture::Bitmap) {
        composed = composeIcon(picture.image, width, height, maskColor);
        src = &composed;
    }

    // The part of the width by height area that lies on both the surface and the source, in
    // logical pixels; on a high-density surface each is drawn as its device block, so an
    // enlarged picture stays as sharp as its pixels (nearest neighbour, never smoothed).
    const DeviceGrid grid(dest);
    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t x1 = std::min<std::int64_t>(
        {std::int64_t(x) + width, grid.logicalWidth(), std::int64_t(x) + src->width()});
    const std::int64_t y1 = std::min<std::int64_t>(
        {std::int64_t(y) + height, grid.logicalHeight(), std::int64_t(y) + src->height()});
    if (x0 >= x1 || y0 >= y1) return;

    // Without UseMaskColor no pixel matches (a plain RGB value is never negative).
    const std::int64_t transparent = useMaskColor ? std::int64_t(maskColor & 0xFFFFFF) : -1;
    const QRgb solid =
        solidColor >= 0 ? qRgb(redOf(solidColor), greenOf(solidColor), blueOf(solidColor)) : 0;

    // Writes picture pixel p over destination pixel o.
    const auto over = [&](QRgb p, QRgb& o) {
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        if (solidColor >= 0) {
            if (darkOnly && r + g + b > kDarkOnlyLimit) return;
            o = solid;
        } else if (greyscale) {
            const int grey = greyOf(r, g, b);
            o = qRgb(grey, grey, grey);
        } else if (blend) {
            o = qRgb((2 * r + qRed(o)) / 3, (2 * g + qGreen(o)) / 3, (2 * b + qBlue(o)) / 3);
        } else {
            o = 0xFF000000u | p;
        }
    };
    for (std::int64_t py = y0; py < y1; ++py) {
        const auto* s = reinterpret_cast<const QRgb*>(src->constScanLine(int(py - y)));
        if (grid.unit()) {
            auto* d = reinterpret_cast<QRgb*>(dest.scanLine(int(py)));
            for (std::int64_t px = x0; px < x1; ++px) {
                if (rgbOf(s[px - x]) != transparent) over(s[px - x], d[px]);
            }
            continue;
        }
        const std::int64_t rowEnd = std::min<std::int64_t>(grid.edge(py + 1), dest.height());
        for (std::int64_t dy = grid.edge(py); dy < rowEnd; ++dy) {
            auto* d = reinterpret_cast<QRgb*>(dest.scanLine(int(dy)));
            for (std::int64_t px = x0; px < x1; ++px) {
                if (rgbOf(s[px - x]) == transparent) continue;
                const std::int64_t end = std::min<std::int64_t>(grid.edge(px + 1), dest.width());
                for (std::int64_t dx = grid.edge(px); dx < end; ++dx) over(s[px - x], d[dx]);
            }
        }
    }
}

void DrawPictureEffect(Drawing& dr, std::int32_t shift, const PicturePtr& picture) {
    using namespace checked;
    const ButtonFace& r = dr.face;
    if (!picture) return;
    Rgb base = r.FaceColor;
    if (r.ButtonType == RoundedGradient) {
        base = r.GradientBase;
    } else if (shift == -1 && r.ColorScheme != SchemeCustom) {
        base = r.HotFillColor;
    }
    QImage& surface = dr.surface;
    forEachEffectCopy(r.SpecialEffect, r.SoftBevel, base, [&](std::int32_t d, Rgb color) {
        DrawMaskedPicture(surface, add(r.PictureX, add(d, shift)), add(r.PictureY, add(d, shift)),
                          r.PictureWidth, r.PictureHeight, *picture, r.MaskColorValue, color, false,
                          false, false, r.UseMaskColor);
    });
}

void DrawPicture(Drawing& dr, std::uint8_t mode) {
    using namespace checked;
    const ButtonFace& r = dr.face;
    if (!r.PictureNormal) return;
    QImage& surface = dr.surface;
    const Picture& normal = *r.PictureNormal;
    const bool flat = r.ButtonType == FlatHighlight;
    const bool doubleFrame = r.ButtonType == DoubleFrame;

    auto draw = [&](const Picture& p, std::int32_t dx, std::int32_t dy, std::int32_t solid,
                    bool darkOnly, bool greyscale, bool blend) {
        DrawMaskedPicture(surface, add(r.PictureX, dx), add(r.PictureY, dy), r.PictureWidth,
                          r.PictureHeight, p, r.MaskColorValue, solid, darkOnly, greyscale, blend,
                          r.UseMaskColor);
    };
    auto own = [&](const Picture& p, std::int32_t d, bool greyscale = false, bool blend = false) {
        draw(p, d, d, -1, false, greyscale, blend);
    };
    auto silhouette = [&](std::int32_t d, Rgb color, bool darkOnly) {
        draw(normal, d, d, color, darkOnly, false, false);
    };

    switch (mode) {
    case PictureModeUp:
        if (!r.IsOver) {
            DrawPictureEffect(dr, 0, r.PictureNormal);
            own(normal, 0, r.UseGreyscale, flat);
        } else if (flat) {
            DrawPictureEffect(dr, -1, r.PictureNormal);
            silhouette(1, r.ShadowColor, false);
            own(normal, -1);
        } else if (r.PictureOver) {
            DrawPictureEffect(dr, 0, r.PictureOver);
            own(*r.PictureOver, 0);
        } else {
            DrawPictureEffect(dr, 0, r.PictureNormal);
            own(normal, 0);
        }
        break;
    case PictureModeDown:
        if (r.PictureOver && !flat) {
            own(*r.PictureOver, doubleFrame ? 0 : 1);
        } else if (doubleFrame || flat) {
            DrawPictureEffect(dr, 0, r.PictureNormal);
            own(normal, 0);
        } else {
            DrawPictureEffect(dr, 1, r.PictureNormal);
            own(normal, 1);
        }
        break;
    case PictureModeDisabled:
        if (r.ButtonType == RoundedGradient) {
            own(normal, 1, true);
        } else if (doubleFrame || r.ButtonType == ThickRaised || flat) {
            silhouette(0, flat ? dr.shade(r.ShadowColor, kFlatDisabledOffset) : r.ShadowColor,
                       true);
        } else {
            silhouette(1, r.HighlightColor, true);
            silhouette(0, r.ShadowColor, true);
        }
        break;
    default:
        return;
    }
    // A picture behind the caption would hide it: draw the caption again on top. Styles that
    // show no caption (FaceOnly and the values that draw like it) get none here either.
    if (r.PicturePosition == PictureBehind && drawsCaption(r.ButtonType)) {
        DrawCaption(dr, dr.captionMode);
    }
}

} // namespace chameleon
