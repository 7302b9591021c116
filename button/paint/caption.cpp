// Caption drawing. DrawCaption draws the text in one of eight modes over the SpecialEffect
// copies, never filling the text background, so overlapping copies read as embossed or
// engraved lettering.
#include "button/paint/caption.h"

#include "button/paint/caption_text.h"
#include "button/paint/colors.h"

namespace chameleon {

namespace {

// Colour shifts of the shaded caption modes.
constexpr std::int32_t kShadedOffset = -104;
constexpr std::int32_t kLightEmbossedOffset = -50;

} // namespace

void drawCaptionText(Drawing& d, const Rect& rect, Rgb color) {
    drawCaptionTextAt(d.surface, d.caption->font, rect, d.face.Caption, color);
}

void DrawCaptionEffect(Drawing& d, const Rect& rect) {
    const ButtonFace& r = d.face;
    // The colour of the face under the caption.
    Rgb base = r.FaceColor;
    if (r.ButtonType == RoundedGradient || r.ButtonType == RoundedBevel ||
        r.ButtonType == GradientFramed) {
        base = d.gradientBase;
    } else if (r.LastState == StateUp && r.IsOver && r.ColorScheme != SchemeCustom &&
               r.ButtonType == FlatHighlight) {
        base = r.HotFillColor;
    }
    forEachEffectCopy(r.SpecialEffect, r.SoftBevel, base, [&](std::int32_t shift, Rgb color) {
        drawCaptionText(d, rect.offset(shift, shift), color);
    });
}

void DrawCaption(Drawing& d, std::uint8_t mode) {
    const ButtonFace& r = d.face;
    const CaptionLayout& box = d.caption->layout;
    d.captionMode = mode;
    switch (mode) {
    case CaptionUp:
        DrawCaptionEffect(d, box.CaptionRect);
        drawCaptionText(d, box.CaptionRect, r.TextColor);
        break;
    case CaptionOver:
        DrawCaptionEffect(d, box.CaptionRect);
        drawCaptionText(d, box.CaptionRect, r.TextOverColor);
        break;
    case CaptionDown:
        DrawCaptionEffect(d, box.CaptionDownRect);
        drawCaptionText(d, box.CaptionDownRect,
                        r.ButtonType == RoundedBevel ? r.LightColor : r.TextOverColor);
        break;
    case CaptionEmbossed:
        drawCaptionText(d, box.CaptionDownRect, r.HighlightColor);
        drawCaptionText(d, box.CaptionRect, r.ShadowColor);
        break;
    case CaptionGrey:
        drawCaptionText(d, box.CaptionRect, r.ShadowColor);
        break;
    case CaptionShaded:
        drawCaptionText(d, box.CaptionRect, d.shadeBlue(d.gradientBase, kShadedOffset));
        break;
    case CaptionFaceEmbossed:
        drawCaptionText(d, box.CaptionDownRect, r.HighlightColor);
        drawCaptionText(d, box.CaptionRect, r.FaceColor);
        break;
    case CaptionLightEmbossed:
        drawCaptionText(d, box.CaptionDownRect, d.shade(r.ShadowColor, kLightEmbossedOffset));
        drawCaptionText(d, box.CaptionRect, r.HighlightColor);
        break;
    default: // no caller passes another mode
        break;
    }
}

} // namespace chameleon
