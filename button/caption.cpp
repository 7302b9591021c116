// Caption layout, access key and caption drawing. LayoutCaption fits CaptionRect to the
// measured text and centres it in the room the picture leaves; DrawCaption draws the text in
// one of eight modes over the SpecialEffect copies, never filling the text background, so
// overlapping copies read as embossed or engraved lettering.
#include "button/caption.h"

#include "button/caption_text.h"
#include "button/checked_math.h"
#include "button/colors.h"

namespace chameleon {

namespace {

// Gaps between picture and caption, and the one-pixel margin the measuring box keeps.
constexpr std::int32_t Margin = 1;
constexpr std::int32_t PictureGapSideways = 4;
constexpr std::int32_t PictureGapVertical = 2;
// What centring takes off the free space beside a right or bottom picture, on top of its size.
constexpr std::int32_t PictureRoomExtra = 4;

// Colour shifts of the shaded caption modes.
constexpr std::int32_t ShadedOffset = -104;
constexpr std::int32_t LightEmbossedOffset = -50;

QString trimmedSpaces(const QString& s) {
    qsizetype first = 0, last = s.size();
    while (first < last && s[first] == QLatin1Char(' ')) ++first;
    while (last > first && s[last - 1] == QLatin1Char(' ')) --last;
    return s.mid(first, last - first);
}

} // namespace

void LayoutCaption(Control& c) {
    using namespace checked;
    ButtonRecord& r = c.r;
    const std::int32_t W = r.ClientWidth, H = r.ClientHeight;
    const std::int32_t PW = r.PictureWidth, PH = r.PictureHeight;

    // The measuring box: the client area less a margin and the picture's room.
    Rect box;
    switch (r.PicturePosition) {
    case PictureLeft:
        box = {add(PW, Margin), Margin, sub(W, 2 * Margin), sub(H, 2 * Margin)};
        break;
    case PictureRight:
        box = {Margin, Margin, sub(sub(W, 2 * Margin), PW), sub(H, 2 * Margin)};
        break;
    case PictureTop:
        box = {Margin, add(PH, Margin), sub(W, 2 * Margin), sub(H, 2 * Margin)};
        break;
    case PictureBottom:
        box = {Margin, Margin, sub(W, 2 * Margin), sub(sub(H, 2 * Margin), PH)};
        break;
    case PictureBehind:
        box = {Margin, Margin, sub(W, 2 * Margin), sub(H, 2 * Margin)};
        break;
    default:
        // No box of its own: the pressed caption's rectangle is measured from, so each layout
        // with such a value moves the caption one pixel further right and down.
        box = r.CaptionDownRect;
        break;
    }

    // Left and top stay; right and bottom move to the wrapped text's extent.
    const QSize size =
        MeasureCaptionText(c.host.font(), c.host.surface(), r.Caption, sub(box.right, box.left));
    box.right = add(box.left, size.width());
    box.bottom = add(box.top, size.height());
    r.CaptionRect = box;
    r.CaptionWidth = sub(box.right, box.left);
    r.CaptionHeight = sub(box.bottom, box.top);

    std::int32_t dx = 0, dy = 0;
    switch (r.PicturePosition) {
    case PictureLeft:
    case PictureTop:
    case PictureBehind:
        dx = sub(W, box.right) / 2;
        dy = sub(H, box.bottom) / 2;
        break;
    case PictureRight:
        dx = sub(sub(sub(W, box.right), PW), PictureRoomExtra) / 2;
        dy = sub(H, box.bottom) / 2;
        break;
    case PictureBottom:
        dx = sub(W, box.right) / 2;
        dy = sub(sub(sub(H, box.bottom), PH), PictureRoomExtra) / 2;
        break;
    default:
        break;
    }
    r.CaptionRect = {add(box.left, dx), add(box.top, dy), add(box.right, dx), add(box.bottom, dy)};
    r.CaptionDownRect = {add(r.CaptionRect.left, 1), add(r.CaptionRect.top, 1),
                         add(r.CaptionRect.right, 1), add(r.CaptionRect.bottom, 1)};
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
        r.PictureX = sub(sub(r.CaptionRect.left, PW), PictureGapSideways);
        r.PictureY = sub(H, PH) / 2;
        break;
    case PictureRight:
        r.PictureX = add(r.CaptionRect.right, PictureGapSideways);
        r.PictureY = sub(H, PH) / 2;
        break;
    case PictureTop:
        r.PictureX = sub(W, PW) / 2;
        r.PictureY = sub(sub(r.CaptionRect.top, PH), PictureGapVertical);
        break;
    case PictureBottom:
        r.PictureX = sub(W, PW) / 2;
        r.PictureY = add(r.CaptionRect.bottom, PictureGapVertical);
        break;
    default:
        break;
    }
}

QString AccessKeyOf(const QString& caption) {
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
    c.host.setAccessKeys(AccessKeyOf(c.r.Caption));
}

void DrawCaptionText(Control& c, const Rect& rect, Rgb color) {
    c.host.setTextColor(color);
    DrawCaptionTextAt(c.host.surface(), c.host.font(), rect, c.r.Caption, color);
}

void DrawCaptionEffect(Control& c, const Rect& rect) {
    const ButtonRecord& r = c.r;
    // The colour of the face under the caption.
    Rgb base = r.FaceColor;
    if (r.ButtonType == RoundedGradient || r.ButtonType == RoundedBevel ||
        r.ButtonType == GradientFramed) {
        base = r.GradientBase;
    } else if (r.LastState == StateUp && r.IsOver && r.ColorScheme != SchemeCustom &&
               r.ButtonType == FlatHighlight) {
        base = r.HotFillColor;
    }
    ForEachEffectCopy(c, base, [&](std::int32_t shift, Rgb color) {
        DrawCaptionText(c, rect.offset(shift, shift), color);
    });
}

void DrawCaption(Control& c, std::uint8_t mode) {
    ButtonRecord& r = c.r;
    r.LastCaptionMode = mode;
    switch (mode) {
    case CaptionUp:
        DrawCaptionEffect(c, r.CaptionRect);
        DrawCaptionText(c, r.CaptionRect, r.TextColor);
        break;
    case CaptionOver:
        DrawCaptionEffect(c, r.CaptionRect);
        DrawCaptionText(c, r.CaptionRect, r.TextOverColor);
        break;
    case CaptionDown:
        DrawCaptionEffect(c, r.CaptionDownRect);
        DrawCaptionText(c, r.CaptionDownRect,
                        r.ButtonType == RoundedBevel ? r.LightColor : r.TextOverColor);
        break;
    case CaptionEmbossed:
        DrawCaptionText(c, r.CaptionDownRect, r.HighlightColor);
        DrawCaptionText(c, r.CaptionRect, r.ShadowColor);
        break;
    case CaptionGrey:
        DrawCaptionText(c, r.CaptionRect, r.ShadowColor);
        break;
    case CaptionShaded:
        DrawCaptionText(c, r.CaptionRect, OffsetColor(c, r.GradientBase, ShadedOffset, true));
        break;
    case CaptionFaceEmbossed:
        DrawCaptionText(c, r.CaptionDownRect, r.HighlightColor);
        DrawCaptionText(c, r.CaptionRect, r.FaceColor);
        break;
    case CaptionLightEmbossed:
        DrawCaptionText(c, r.CaptionDownRect, OffsetColor(c, r.ShadowColor, LightEmbossedOffset));
        DrawCaptionText(c, r.CaptionRect, r.HighlightColor);
        break;
    default:
        DrawCaptionText(c, r.CaptionRect, c.host.textColor());
        break;
    }
}

} // namespace chameleon
