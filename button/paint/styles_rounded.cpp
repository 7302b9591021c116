// The styles that need shading, fixed palettes, cut corners or curves: the rounded gradient
// and rounded bevel buttons, the double frame, the oval and the framed gradient. Redraw has
// already filled the face and draws the picture afterwards.
#include "button/paint/caption.h"
#include "button/paint/colors.h"
#include "button/paint/primitives.h"
#include "button/paint/styles.h"

#include <array>
#include <cmath>

namespace chameleon {

namespace {

// --- fixed colours -----------------------------------------------------------------------
constexpr Rgb kRoundedOutline = rgb(0, 60, 115);
constexpr Rgb kRoundedCornerPixel = rgb(16, 77, 123);
constexpr Rgb kDoubleFrameFocusBox = rgb(153, 153, 204);

// The two-pixel inner edge of RoundedGradient while hovered (orange) or focused (blue).
struct EdgePalette {
    Rgb innerFrame;
    Rgb bottomLine;
    Rgb topLine;
    Rgb secondLine;
    Rgb sideLines;
};
constexpr EdgePalette kHoverPalette = {rgb(255, 178, 49), rgb(231, 150, 0), rgb(255, 243, 206),
                                       rgb(255, 219, 140), rgb(255, 203, 107)};
constexpr EdgePalette kFocusPalette = {rgb(140, 174, 231), rgb(107, 130, 239), rgb(206, 231, 255),
                                       rgb(189, 215, 247), rgb(181, 209, 240)};

// --- coordinates relative to the client size -------------------------------------------
// A coordinate of 0 or more is taken as it stands; a negative one counts back from the width
// (for x) or height (for y): -2 is W - 2.
struct Stroke {
    std::int32_t x1, y1, x2, y2;
};

std::int32_t resolveX(const Drawing& d, std::int32_t x) {
    return x >= 0 ? x : d.face.ClientWidth + x;
}
std::int32_t resolveY(const Drawing& d, std::int32_t y) {
    return y >= 0 ? y : d.face.ClientHeight + y;
}

void line(Drawing& d, const Stroke& s, Rgb color) {
    PaintLine(d.surface, resolveX(d, s.x1), resolveY(d, s.y1), resolveX(d, s.x2), resolveY(d, s.y2),
              color);
}

// RoundedGradient's inner edge, the same geometry for the hover and focus palettes.
//
//   row 0   OOOOOOOOOOOO      O outline, c corner pixel
//   row 1   OcTTTTTTTTcO      T top line (x 2..W-3)
//   row 2   OSSSSSSSSSSO      S second line (x 1..W-2) over the inner frame's top
//   row 3   OF s    s FO      F inner frame sides, s side lines (x 2 and W-3)
//   H-2     OcBBBBBBBBcO      B bottom line (x 2..W-3)
constexpr Stroke kEdgeBottom = {2, -2, -2, -2};
constexpr Stroke kEdgeTop = {2, 1, -2, 1};
constexpr Stroke kEdgeSecond = {1, 2, -1, 2};
constexpr Stroke kEdgeLeftSide = {2, 3, 2, -3};
constexpr Stroke kEdgeRightSide = {-3, 3, -3, -3};

// RoundedGradient's resting and pressed edges: shaded lines, in drawing order, each an
// OffsetColor (proportional) of a base colour.
struct ShadedStroke {
    Stroke stroke;
    std::int32_t offset;
};
constexpr std::array<ShadedStroke, 8> kRestingEdge = {{
    {{2, -2, -2, -2}, -48},
    {{1, -3, -2, -3}, -32},
    {{-2, 2, -2, -2}, -36},
    {{-3, 3, -3, -3}, -24},
    {{2, 1, -2, 1}, 16},
    {{1, 2, -2, 2}, 10},
    {{1, 2, 1, -2}, -5},
    {{2, 3, 2, -3}, -10},
}};
// The pressed edge, shaded from the pressed base; the inner right line is drawn between the
// third and fourth of these, in GradientBase itself.
constexpr std::array<ShadedStroke, 3> kPressedEdgeBeforeInnerRight = {{
    {{2, -2, -2, -2}, 16},
    {{1, -3, -2, -3}, 10},
    {{-2, 2, -2, -2}, 5},
}};
constexpr Stroke kPressedInnerRight = {-3, 3, -3, -3};
constexpr std::array<ShadedStroke, 4> kPressedEdgeAfterInnerRight = {{
    {{2, 1, -2, 1}, -32},
    {{1, 2, -2, 2}, -24},
    {{1, 2, 1, -2}, -32},
    {{2, 2, 2, -2}, -22},
}};
constexpr std::int32_t kPressedFaceOffset = -32;
constexpr std::int32_t kDisabledFaceOffset = -24;
constexpr std::int32_t kDisabledOutlineOffset = -84;
constexpr std::int32_t kDisabledCornerOffset = -72;

// RoundedBevel's shades of ShadowColor when pressed.
constexpr std::int32_t kBevelPressedFace = -16;
constexpr std::int32_t kBevelPressedOuter = -64;
constexpr std::int32_t kBevelPressedInner = -32;

// DoubleFrame's shades.
constexpr std::int32_t kDoubleFrameFaceLift = 12;
constexpr std::int32_t kDoubleFrameDarkFrame = -26;
constexpr std::int32_t kDoubleFrameCornerLift = 26;
constexpr std::int32_t kDoubleFramePressedFace = 16;

// Oval's pressed face.
constexpr std::int32_t kOvalPressedFace = -32;

// GradientFramed's shades.
constexpr std::int32_t kFramedOuter = -50;
constexpr std::int32_t kFramedOuterPressed = -48;
constexpr std::int32_t kFramedInner = -9;

// The pixel just inside each corner of the outline: (1, 1), (1, H-2), (W-2, 1), (W-2, H-2).
void cornerPixels(Drawing& d, Rgb color) {
    const std::int32_t w = d.face.ClientWidth, h = d.face.ClientHeight;
    PaintPixel(d.surface, 1, 1, color);
    PaintPixel(d.surface, 1, h - 2, color);
    PaintPixel(d.surface, w - 2, 1, color);
    PaintPixel(d.surface, w - 2, h - 2, color);
}

void shadedLines(Drawing& d, const ShadedStroke* begin, const ShadedStroke* end, Rgb base) {
    for (const ShadedStroke* s = begin; s != end; ++s)
        line(d, s->stroke, d.shadeBlue(base, s->offset));
}

void paletteEdge(Drawing& d, const EdgePalette& p) {
    const std::int32_t w = d.face.ClientWidth, h = d.face.ClientHeight;
    frame(d.surface, 1, 2, w - 2, h - 4, p.innerFrame);
    line(d, kEdgeBottom, p.bottomLine);
    line(d, kEdgeTop, p.topLine);
    line(d, kEdgeSecond, p.secondLine);
    line(d, kEdgeLeftSide, p.sideLines);
    line(d, kEdgeRightSide, p.sideLines);
}

// The DoubleFrame focus box round the caption, with HasFocus and ShowFocusRect.
void doubleFrameFocus(Drawing& d) {
    const ButtonFace& r = d.face;
    if (!r.HasFocus || !r.ShowFocusRect) return;
    const CaptionLayout& box = r.caption.layout;
    frame(d.surface, box.CaptionRect.left - 2, box.CaptionRect.top - 1, box.CaptionWidth + 4,
          box.CaptionHeight + 2, kDoubleFrameFocusBox);
}

// GradientFramed's frames and the two-pixel highlight along the top and the left.
void framedEdges(Drawing& d) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    frame(d.surface, 0, 0, w, h, d.shade(r.ShadowColor, kFramedOuter));
    frame(d.surface, 1, 1, w - 2, h - 2, d.shade(r.FaceColor, kFramedInner));
    fill(d.surface, 2, 2, w - 4, 2, r.HighlightColor);
    fill(d.surface, 2, 4, 2, h - 6, r.HighlightColor);
}

} // namespace

std::int32_t gradientOffset(std::int32_t spread, std::int32_t height, std::int32_t i) {
    if (height <= 0) return 0;
    const float step = static_cast<float>(static_cast<double>(spread) / height);
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<std::int32_t>(std::nearbyint(-static_cast<double>(step) * i));
}

void paintGradient(Drawing& d, std::int32_t spread, Rgb base, bool proportional, bool bottomUp) {
    const std::int32_t w = d.face.ClientWidth, h = d.face.ClientHeight;
    for (std::int32_t i = 1; i <= h; ++i) {
        const std::int32_t y = bottomUp ? h - i : i;
        PaintLine(d.surface, 0, y, w, y,
                  OffsetColor(d.face.SoftBevel, base, gradientOffset(spread, h, i), proportional));
    }
}

// A gradient face in a dark blue outline with cut corners, and a two-pixel inner edge that
// is orange while hovered, blue when focused or default, and shaded from the face at rest.
// Focus shows only through the edge: no dotted rectangle.
void drawRoundedGradient(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up: {
        paintGradient(d, kRoundedGradientSpread, r.GradientBase, true, false);
        DrawCaption(d, overCaptionMode(d.face));
        frame(d.surface, 0, 0, w, h, kRoundedOutline);
        cornerPixels(d, kRoundedCornerPixel);
        if (r.IsOver) {
            paletteEdge(d, kHoverPalette);
            break;
        }
        const bool asDefault = r.displayAsDefault;
        if ((r.HasFocus || asDefault) && r.ShowFocusRect) {
            paletteEdge(d, kFocusPalette);
        } else {
            shadedLines(d, kRestingEdge.begin(), kRestingEdge.end(), r.GradientBase);
        }
        break;
    }
    case Look::Down: {
        const Rgb base = d.shadeBlue(r.GradientBase, kPressedFaceOffset);
        paintGradient(d, kRoundedGradientSpread, base, true, true);
        DrawCaption(d, CaptionDown);
        frame(d.surface, 0, 0, w, h, kRoundedOutline);
        cornerPixels(d, kRoundedCornerPixel);
        shadedLines(d, kPressedEdgeBeforeInnerRight.begin(), kPressedEdgeBeforeInnerRight.end(),
                    base);
        line(d, kPressedInnerRight, r.GradientBase);
        shadedLines(d, kPressedEdgeAfterInnerRight.begin(), kPressedEdgeAfterInnerRight.end(),
                    base);
        break;
    }
    case Look::Disabled:
        fill(d.surface, 0, 0, w, h, d.shadeBlue(r.GradientBase, kDisabledFaceOffset));
        DrawCaption(d, CaptionShaded);
        frame(d.surface, 0, 0, w, h, d.shadeBlue(r.GradientBase, kDisabledOutlineOffset));
        cornerPixels(d, d.shadeBlue(r.GradientBase, kDisabledCornerOffset));
        break;
    }
}

// A light face in a dark outline with cut corners: highlight inner edge top-left, face and
// shadow edges bottom-right; pressed, nested darker frames. No focus rectangle.
void drawRoundedBevel(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    if (look == Look::Down) {
        const Rgb pressedFace = d.shade(r.ShadowColor, kBevelPressedFace);
        const Rgb outer = d.shade(r.ShadowColor, kBevelPressedOuter);
        const Rgb inner = d.shade(r.ShadowColor, kBevelPressedInner);
        fill(d.surface, 1, 1, w - 2, h - 2, pressedFace);
        // The caption shades its effects from the gradient base: give it the pressed face, then
        // leave the base in its plain form, whatever form it had before.
        d.gradientBase = pressedFace;
        DrawCaption(d, CaptionDown);
        d.gradientBase = d.shade(r.FaceColor, kGradientBaseOffset);
        frame(d.surface, 0, 0, w, h, r.DarkShadowColor);
        frame(d.surface, 1, 1, w - 2, h - 2, outer);
        frame(d.surface, 2, 2, w - 4, h - 4, inner);
        PaintPixel(d.surface, 2, 2, outer);
        PaintPixel(d.surface, 3, 3, inner);
        cornerPixels(d, r.DarkShadowColor);
        PaintLine(d.surface, w - 3, 1, w - 3, h - 3, r.ShadowColor);
        PaintLine(d.surface, 1, h - 3, w - 2, h - 3, r.ShadowColor);
        PaintPixel(d.surface, w - 4, h - 4, r.ShadowColor);
        PaintLine(d.surface, w - 2, 3, w - 2, h - 2, pressedFace);
        PaintLine(d.surface, 3, h - 2, w - 2, h - 2, pressedFace);
        PaintLine(d.surface, w - 2, h - 3, w - 4, h - 1, inner);
        PaintPixel(d.surface, 2, h - 2, inner);
        PaintPixel(d.surface, w - 2, 2, inner);
        return;
    }
    // Up and disabled differ only in the caption mode.
    fill(d.surface, 1, 1, w - 2, h - 2, r.LightColor);
    DrawCaption(d, look == Look::Up ? overCaptionMode(d.face) : std::uint8_t{CaptionEmbossed});
    frame(d.surface, 0, 0, w, h, r.DarkShadowColor);
    cornerPixels(d, r.DarkShadowColor);
    PaintLine(d.surface, 1, 2, 2, 0, r.FaceColor);
    PaintLine(d.surface, 3, 2, w - 3, 2, r.HighlightColor);
    PaintLine(d.surface, 2, 2, 2, h - 3, r.HighlightColor);
    PaintPixel(d.surface, 3, 3, r.HighlightColor);
    PaintLine(d.surface, w - 3, 1, w - 3, h - 3, r.FaceColor);
    PaintLine(d.surface, 1, h - 3, w - 3, h - 3, r.FaceColor);
    PaintPixel(d.surface, w - 4, h - 4, r.FaceColor);
    PaintLine(d.surface, w - 2, 2, w - 2, h - 2, r.ShadowColor);
    PaintLine(d.surface, 2, h - 2, w - 2, h - 2, r.ShadowColor);
    PaintPixel(d.surface, w - 3, h - 3, r.ShadowColor);
}

// A lightened face inside a dark frame and a light frame one pixel right of and below it;
// focus is a box round the caption, never the dotted rectangle.
void drawDoubleFrame(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        fill(d.surface, 1, 1, w - 1, h - 1, d.shade(r.FaceColor, kDoubleFrameFaceLift));
        DrawCaption(d, overCaptionMode(d.face));
        frame(d.surface, 1, 1, w - 1, h - 1, r.HighlightColor);
        frame(d.surface, 0, 0, w - 1, h - 1, d.shade(r.ShadowColor, kDoubleFrameDarkFrame));
        PaintPixel(d.surface, 1, h - 2, d.shade(r.ShadowColor, kDoubleFrameCornerLift));
        PaintPixel(d.surface, w - 2, 1, d.shade(r.ShadowColor, kDoubleFrameCornerLift));
        doubleFrameFocus(d);
        break;
    case Look::Down:
        fill(d.surface, 1, 1, w - 2, h - 2, d.shade(r.ShadowColor, kDoubleFramePressedFace));
        frame(d.surface, 0, 0, w - 1, h - 1, d.shade(r.ShadowColor, kDoubleFrameDarkFrame));
        PaintLine(d.surface, w - 1, 1, w - 1, h, r.HighlightColor);
        PaintLine(d.surface, 1, h - 1, w - 1, h - 1, r.HighlightColor);
        // Drawn directly, not as a caption mode: in the hover colour at the resting place,
        // and LastCaptionMode keeps what it held.
        drawCaptionText(d, r.caption.layout.CaptionRect, r.TextOverColor);
        doubleFrameFocus(d);
        break;
    case Look::Disabled:
        DrawCaption(d, CaptionGrey);
        frame(d.surface, 0, 0, w, h, r.ShadowColor);
        break;
    }
}

// A filled ellipse over the whole client area; disabled, the face alone.
void drawOval(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        PaintOval(d.surface, 0, 0, w, h, r.IsOver ? r.ShadowColor : r.FaceColor, r.FaceColor);
        DrawCaption(d, overCaptionMode(d.face));
        break;
    case Look::Down:
        PaintOval(d.surface, 0, 0, w, h, r.DarkShadowColor, d.shade(r.FaceColor, kOvalPressedFace));
        DrawCaption(d, CaptionDown);
        break;
    case Look::Disabled:
        DrawCaption(d, CaptionEmbossed);
        break;
    }
}

// A gradient face from the highlight colour (flat Light while hovered), a dark outer and a
// face-toned inner frame, and a two-pixel highlight along the top and left. The default
// button's caption is drawn bold for this drawing only.
void drawGradientFramed(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        if (r.IsOver) {
            fill(d.surface, 0, 0, w, h, r.LightColor);
        } else {
            paintGradient(d, kGradientFramedSpread, r.HighlightColor, false, false);
        }
        // The default button's caption is bold for this drawing only, in the layout the
        // model made for the bold font.
        if (r.boldCaption) d.caption = &*r.boldCaption;
        DrawCaption(d, overCaptionMode(d.face));
        d.caption = &r.caption;
        framedEdges(d);
        paintFocus(d);
        break;
    case Look::Down:
        fill(d.surface, 1, 1, w, h, d.shade(r.FaceColor, kFramedInner));
        frame(d.surface, 0, 0, w, h, d.shade(r.ShadowColor, kFramedOuterPressed));
        PaintLine(d.surface, 2, h - 2, w - 2, h - 2, r.HighlightColor);
        PaintLine(d.surface, w - 2, 2, w - 2, h - 1, r.HighlightColor);
        DrawCaption(d, CaptionLightEmbossed);
        paintFocus(d);
        break;
    case Look::Disabled:
        paintGradient(d, kGradientFramedSpread, r.HighlightColor, false, false);
        framedEdges(d);
        DrawCaption(d, CaptionFaceEmbossed);
        break;
    }
}

} // namespace chameleon
