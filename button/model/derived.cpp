// What the record derives from its properties and the surface: the colours of the scheme,
// the caption's layout and access key, the picture's size and place, and the window shape.
// Each routine recomputes its fields of the record from scratch.
#include "button/model/derived.h"

#include "button/paint/caption_text.h"
#include "button/paint/checked_math.h"
#include "button/paint/metrics.h"
#include "button/paint/shape.h"

namespace chameleon {

namespace {

// Gaps between picture and caption, and the one-pixel margin the measuring box keeps.
constexpr std::int32_t kMargin = 1;
constexpr std::int32_t kPictureGapSideways = 4;
constexpr std::int32_t kPictureGapVertical = 2;
// What centring takes off the free space beside a right or bottom picture, on top of its size.
constexpr std::int32_t kPictureRoomExtra = 4;

QString trimmedSpaces(const QString& s) {
    qsizetype first = 0, last = s.size();
    while (first < last && s[first] == QLatin1Char(' ')) ++first;
    while (last > first && s[last - 1] == QLatin1Char(' ')) --last;
    return s.mid(first, last - first);
}

} // namespace

SchemeInputs schemeInputsOf(const Control& c) {
    const ButtonRecord& r = c.r;
    SchemeInputs in;
    in.ColorScheme = r.ColorScheme;
    in.ButtonType = r.ButtonType;
    in.SoftBevel = r.SoftBevel;
    in.BackColor = r.BackColor;
    in.ForeColor = r.ForeColor;
    in.ForeOver = r.ForeOver;
    in.MaskColor = r.MaskColor;
    if (r.ColorScheme == SchemeContainer) {
        in.containerBackColor = c.host.containerBackColor();
        in.containerTextColor = c.host.containerTextColor();
    }
    return in;
}

void ApplyColorScheme(Control& c) {
    c.r.colors = deriveColors(schemeInputsOf(c));
}

CaptionLayout layoutCaptionFor(const ButtonRecord& r, const QFont& font, const QImage& surface) {
    using namespace checked;
    const std::int32_t W = r.ClientWidth, H = r.ClientHeight;
    const std::int32_t PW = r.PictureWidth, PH = r.PictureHeight;

    // The measuring box: the client area less a margin and the picture's room.
    Rect box;
    switch (r.PicturePosition) {
    case PictureLeft:
        box = {add(PW, kMargin), kMargin, sub(W, 2 * kMargin), sub(H, 2 * kMargin)};
        break;
    case PictureRight:
        box = {kMargin, kMargin, sub(sub(W, 2 * kMargin), PW), sub(H, 2 * kMargin)};
        break;
    case PictureTop:
        box = {kMargin, add(PH, kMargin), sub(W, 2 * kMargin), sub(H, 2 * kMargin)};
        break;
    case PictureBottom:
        box = {kMargin, kMargin, sub(W, 2 * kMargin), sub(sub(H, 2 * kMargin), PH)};
        break;
    case PictureBehind:
        box = {kMargin, kMargin, sub(W, 2 * kMargin), sub(H, 2 * kMargin)};
        break;
    default:
        // No box of its own: the pressed caption's rectangle is measured from, so each layout
        // with such a value moves the caption one pixel further right and down.
        box = r.CaptionDownRect;
        break;
    }

    // Left and top stay; right and bottom move to the wrapped text's extent.
    const QSize size = measureCaptionText(font, surface, r.Caption, sub(box.right, box.left));
    box.right = add(box.left, size.width());
    box.bottom = add(box.top, size.height());
    CaptionLayout out;
    out.CaptionWidth = sub(box.right, box.left);
    out.CaptionHeight = sub(box.bottom, box.top);

    std::int32_t dx = 0, dy = 0;
    switch (r.PicturePosition) {
    case PictureLeft:
    case PictureTop:
    case PictureBehind:
        dx = sub(W, box.right) / 2;
        dy = sub(H, box.bottom) / 2;
        break;
    case PictureRight:
        dx = sub(sub(sub(W, box.right), PW), kPictureRoomExtra) / 2;
        dy = sub(H, box.bottom) / 2;
        break;
    case PictureBottom:
        dx = sub(W, box.right) / 2;
        dy = sub(sub(sub(H, box.bottom), PH), kPictureRoomExtra) / 2;
        break;
    default:
        break;
    }
    out.CaptionRect = {add(box.left, dx), add(box.top, dy), add(box.right, dx),
                       add(box.bottom, dy)};
    out.CaptionDownRect = {add(out.CaptionRect.left, 1), add(out.CaptionRect.top, 1),
                           add(out.CaptionRect.right, 1), add(out.CaptionRect.bottom, 1)};
    return out;
}

void storeCaptionLayout(ButtonRecord& r, const CaptionLayout& layout) {
    r.CaptionRect = layout.CaptionRect;
    r.CaptionDownRect = layout.CaptionDownRect;
    r.CaptionWidth = layout.CaptionWidth;
    r.CaptionHeight = layout.CaptionHeight;
}

void LayoutCaption(Control& c) {
    storeCaptionLayout(c.r, layoutCaptionFor(c.r, c.surface.font(), c.surface.surface()));
    PlacePicture(c);
}

void PlacePicture(Control& c) {
    using namespace checked;
    ButtonRecord& r = c.r;
    if (!r.PictureNormal && !r.PictureOver) return;
    const std::int32_t W = r.ClientWidth, H = r.ClientHeight;
    const std::int32_t PW = r.PictureWidth, PH = r.PictureHeight;
    if (trimmedSpaces(r.Caption).isEmpty() || r.PicturePosition == PictureBehind) {
        r.PictureX = sub(W, PW) / 2;
        r.PictureY = sub(H, PH) / 2;
        return;
    }
    switch (r.PicturePosition) {
    case PictureLeft:
        r.PictureX = sub(sub(r.CaptionRect.left, PW), kPictureGapSideways);
        r.PictureY = sub(H, PH) / 2;
        break;
    case PictureRight:
        r.PictureX = add(r.CaptionRect.right, kPictureGapSideways);
        r.PictureY = sub(H, PH) / 2;
        break;
    case PictureTop:
        r.PictureX = sub(W, PW) / 2;
        r.PictureY = sub(sub(r.CaptionRect.top, PH), kPictureGapVertical);
        break;
    case PictureBottom:
        r.PictureX = sub(W, PW) / 2;
        r.PictureY = add(r.CaptionRect.bottom, kPictureGapVertical);
        break;
    default:
        break;
    }
}

QString accessKeyOf(const QString& caption) {
    const QChar amp = QLatin1Char('&');
    const qsizetype n = caption.size();
    if (n <= 1) return {};
    const qsizetype p = caption.indexOf(amp);
    if (p < 0 || p == n - 1) return {};
    if (caption[p + 1] != amp) return caption.mid(p + 1, 1).toLower();
    // "&&" is a literal ampersand: look once more, after it.
    const qsizetype q = caption.indexOf(amp, p + 2);
    if (q < 0) return {};
    if (q + 1 < n && caption[q + 1] == amp) return {};
    return caption.mid(q + 1, 1).toLower(); // empty when the "&" ends the caption
}

void SetAccessKey(Control& c) {
    // One call both clears the old key and sets the new one.
    c.host.setAccessKeys(accessKeyOf(c.r.Caption));
}

QSize measuredPictureSize(const Control& c, const PicturePtr& picture) {
    if (!picture) return {0, 0};
    const QSize size(checked::roundToInt(c.host.himetricToPixelsX(picture->himetricWidth)),
                     checked::roundToInt(c.host.himetricToPixelsY(picture->himetricHeight)));
    const auto within = [](int side) { return side >= 0 && side <= metrics::kMaxPicturePixels; };
    if (!within(size.width()) || !within(size.height())) {
        raiseControlError(qdct::errnum::kInvalidPropertyValue,
                          "Invalid property value: a picture of " + std::to_string(size.width()) +
                              " x " + std::to_string(size.height()) + " pixels is larger than " +
                              std::to_string(metrics::kMaxPicturePixels) +
                              " on a side or of negative size");
    }
    return size;
}

void requireStorablePicture(const PicturePtr& picture) {
    if (picture && !pictureWithinLimit(*picture)) {
        raiseControlError(qdct::errnum::kInvalidPropertyValue,
                          "Invalid property value: a picture of " +
                              std::to_string(picture->image.width()) + " x " +
                              std::to_string(picture->image.height()) + " pixels is larger than " +
                              std::to_string(metrics::kMaxPicturePixels) + " on a side");
    }
}

void requireStorableFontSize(double points) {
    if (!metrics::fontWithinLimit(points)) {
        raiseControlError(qdct::errnum::kInvalidPropertyValue,
                          "Invalid property value: a font of " + std::to_string(points) +
                              " points is outside 0 to " +
                              std::to_string(int(metrics::kMaxFontPoints)));
    }
}

void MeasurePicture(Control& c) {
    const QSize size = measuredPictureSize(c, c.r.PictureNormal);
    c.r.PictureWidth = size.width();
    c.r.PictureHeight = size.height();
}

void BuildShapeRegion(Control& c) {
    c.r.ShapeRegion = shapeRegionFor(c.r.ButtonType, c.r.ClientWidth, c.r.ClientHeight);
}

} // namespace chameleon
