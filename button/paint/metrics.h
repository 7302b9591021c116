// The button's units and fixed measures in one place: twips and HIMETRIC against pixels, the
// focus rectangle's inset per style, and the font that stands in for the container's ambient
// one. Every layer converts through these, so a host, a test and the drawing agree.
#pragma once

#include "button/paint/types.h"

#include <QFont>
#include <QString>
#include <cmath>
#include <cstdint>

namespace chameleon::metrics {

// Positions on a container are twips: 15 to a pixel at 96 dots per inch.
inline constexpr std::int32_t kTwipsPerPixel = 15;

// Picture sizes are HIMETRIC (hundredths of a millimetre), taken at 96 dots per inch.
inline constexpr double kHimetricPerInch = 2540.0;
inline constexpr double kPixelsPerInch = 96.0;

constexpr double himetricToPixels(double himetric) {
    return himetric * kPixelsPerInch / kHimetricPerInch;
}
inline std::int32_t pixelsToHimetric(int pixels) {
    return static_cast<std::int32_t>(std::lround(pixels * kHimetricPerInch / kPixelsPerInch));
}

// A picture is at most this many pixels on a side, as stored and as measured, so that no
// drawing of it allocates more than 64 MiB (4096 x 4096 pixels of 4 bytes).
inline constexpr std::int32_t kMaxPicturePixels = 4096;

// The largest font size a button takes, in points: far beyond any caption, and small enough
// that a font engine renders it.
inline constexpr double kMaxFontPoints = 4096;

// A font's size in points as the store keeps it: a font asked for in pixels has no point
// size, and at 96 dots per inch a pixel is 3/4 point.
inline double storedFontPoints(const QFont& font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
}
// Whether a font's size is one the store keeps: above 0, at most kMaxFontPoints (this also
// refuses an infinite size, which would be saved as null and never load again).
inline bool fontWithinLimit(double points) {
    return points > 0 && points <= kMaxFontPoints;
}

// Focus rectangle insets: the client rectangle shrunk by the style's edge width.
//
//   ButtonType 7..13   inflate -3                (thin edges)
//   ButtonType 14      inflate -5, move (+1, +1) (double frame with a two-pixel light edge)
//   any other          inflate -4
inline constexpr std::int32_t kThinFocusInset = 3;
inline constexpr std::int32_t kFramedFocusInset = 5;
inline constexpr std::int32_t kFramedFocusShift = 1;
inline constexpr std::int32_t kDefaultFocusInset = 4;

constexpr Rect focusRectFor(std::int32_t buttonType, const Rect& client) {
    if (buttonType >= ThinRaised && buttonType <= Oval)
        return client.inflate(-kThinFocusInset, -kThinFocusInset);
    if (buttonType == GradientFramed)
        return client.inflate(-kFramedFocusInset, -kFramedFocusInset)
            .offset(kFramedFocusShift, kFramedFocusShift);
    return client.inflate(-kDefaultFocusInset, -kDefaultFocusInset);
}

// The container's ambient font when it names none: the classic dialog font.
inline constexpr char kStandInFontFamily[] = "MS Sans Serif";
inline constexpr double kStandInFontPoints = 8.25;

inline QFont standInFont() {
    QFont font(QString::fromLatin1(kStandInFontFamily));
    font.setPointSizeF(kStandInFontPoints);
    return font;
}

} // namespace chameleon::metrics
