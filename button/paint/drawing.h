// One drawing in progress, as the style, caption and picture routines share it: the surface,
// the face being drawn, and the few values that change while it runs. It lives for one
// paintButton call; nothing in it reaches the record except through PaintOutcome.
#pragma once

#include "button/paint/colors.h"
#include "button/paint/face.h"

#include <QImage>

namespace chameleon {

struct Drawing {
    Drawing(QImage& s, const ButtonFace& f)
        : surface(s), face(f), caption(&f.caption), captionMode(f.LastCaptionMode),
          gradientBase(f.GradientBase) {}

    QImage& surface;
    const ButtonFace& face;
    const CaptionFace* caption; // the face's caption, or its bold form for one call
    std::uint8_t captionMode;   // the caption mode drawn last
    Rgb gradientBase;           // what caption effects on a shaded face start from

    // OffsetColor under the face's SoftBevel, plain and proportional.
    Rgb shade(Rgb color, std::int32_t offset) const {
        return OffsetColor(face.SoftBevel, color, offset, false);
    }
    Rgb shadeBlue(Rgb color, std::int32_t offset) const {
        return OffsetColor(face.SoftBevel, color, offset, true);
    }
};

} // namespace chameleon
