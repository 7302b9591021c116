// The styles that need shading, fixed palettes, cut corners or curves: the rounded gradient
// and rounded bevel buttons, the double frame, the oval and the framed gradient. Redraw has
// already filled the face and draws the picture afterwards.
#include "button/caption.h"
#include "button/colors.h"
#include "button/primitives.h"
#include "button/styles.h"

#include <array>
#include <cmath>

namespace chameleon {

namespace {

// --- fixed colours -----------------------------------------------------------------------
constexpr Rgb RoundedOutline = rgb(0, 60, 115);
constexpr Rgb RoundedCornerPixel = rgb(16, 77, 123);
constexpr Rgb DoubleFrameFocusBox = rgb(153, 153, 204);

// The two-pixel inner edge of RoundedGradient while hovered (orange) or focused (blue).
struct EdgePalette {
    Rgb innerFrame;
    Rgb bottomLine;
    Rgb topLine;
    Rgb secondLine;
    Rgb sideLines;
};
constexpr EdgePalette HoverPalette = {rgb(255, 178, 49), rgb(231, 150, 0), rgb(255, 243, 206),
                                      rgb(255, 219, 140), rgb(255, 203, 107)};
constexpr EdgePalette FocusPalette = {rgb(140, 174, 231), rgb(107, 130, 239), rgb(206, 231, 255),
                                      rgb(189, 215, 247), rgb(181, 209, 240)};

// --- coordinates relative to the client size -------------------------------------------
// A coordinate of 0 or more is taken as it stands; a negative one counts back from the width
// (for x) or height (for y): -2 is W - 2.
struct Stroke {
    std::int32_t x1, y1, x2, y2;
};

std::int32_t ResolveX(const Control& c, std::int32_t x) {
    return x >= 0 ? x : c.r.ClientWidth + x;
}
std::int32_t ResolveY(const Control& c, std::int32_t y) {
    return y >= 0 ? y : c.r.ClientHeight + y;
}

void Line(Control& c, const Stroke& s, Rgb color) {
    PaintLine(c, ResolveX(c, s.x1), ResolveY(c, s.y1), ResolveX(c, s.x2), ResolveY(c, s.y2), color);
}

// RoundedGradient's inner edge, the same geometry for the hover and focus palettes.
//
//   row 0   OOOOOOOOOOOO      O outline, c corner pixel
//   row 1   OcTTTTTTTTcO      T top line (x 2..W-3)
//   row 2   OSSSSSSSSSSO      S second line (x 1..W-2) over the inner frame's top
//   row 3   OF s    s FO      F inner frame sides, s side lines (x 2 and W-3)
//   H-2     OcBBBBBBBBcO      B bottom line (x 2..W-3)
constexpr Stroke EdgeBottom = {2, -2, -2, -2};
constexpr Stroke EdgeTop = {2, 1, -2, 1};
constexpr Stroke EdgeSecond = {1, 2, -1, 2};
constexpr Stroke EdgeLeftSide = {2, 3, 2, -3};
constexpr Stroke EdgeRightSide = {-3, 3, -3, -3};

// RoundedGradient's resting and pressed edges: shaded lines, in drawing order, each an
// OffsetColor (proportional) of a base colour.
struct ShadedStroke {
    Stroke stroke;
    std::int32_t offset;
};
constexpr std::array<ShadedStroke, 8> RestingEdge = {{
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
constexpr std::array<ShadedStroke, 3> PressedEdgeBeforeInnerRight = {{
    {{2, -2, -2, -2}, 16},
    {{1, -3, -2, -3}, 10},
    {{-2, 2, -2, -2}, 5},
}};
constexpr Stroke PressedInnerRight = {-3, 3, -3, -3};
constexpr std::array<ShadedStroke, 4> PressedEdgeAfterInnerRight = {{
    {{2, 1, -2, 1}, -32},
    {{1, 2, -2, 2}, -24},
    {{1, 2, 1, -2}, -32},
    {{2, 2, 2, -2}, -22},
}};
constexpr std::int32_t PressedFaceOffset = -32;
constexpr std::int32_t DisabledFaceOffset = -24;
constexpr std::int32_t DisabledOutlineOffset = -84;
constexpr std::int32_t DisabledCornerOffset = -72;

// RoundedBevel's shades of ShadowColor when pressed.
constexpr std::int32_t BevelPressedFace = -16;
constexpr std::int32_t BevelPressedOuter = -64;
constexpr std::int32_t BevelPressedInner = -32;

// DoubleFrame's shades.
constexpr std::int32_t DoubleFrameFaceLift = 12;
constexpr std::int32_t DoubleFrameDarkFrame = -26;
constexpr std::int32_t DoubleFrameCornerLift = 26;
constexpr std::int32_t DoubleFramePressedFace = 16;

// Oval's pressed face.
constexpr std::int32_t OvalPressedFace = -32;

// GradientFramed's shades.
constexpr std::int32_t FramedOuter = -50;
constexpr std::int32_t FramedOuterPressed = -48;
constexpr std::int32_t FramedInner = -9;

Rgb Off(const Control& c, Rgb color, std::int32_t offset) {
    return OffsetColor(c, color, offset, false);
}

Rgb OffP(const Control& c, Rgb color, std::int32_t offset) {
    return OffsetColor(c, color, offset, true);
}

// The pixel just inside each corner of the outline: (1, 1), (1, H-2), (W-2, 1), (W-2, H-2).
void CornerPixels(Control& c, Rgb color) {
    const std::int32_t w = c.r.ClientWidth, h = c.r.ClientHeight;
    PaintPixel(c, 1, 1, color);
    PaintPixel(c, 1, h - 2, color);
    PaintPixel(c, w - 2, 1, color);
    PaintPixel(c, w - 2, h - 2, color);
}

void ShadedLines(Control& c, const ShadedStroke* begin, const ShadedStroke* end, Rgb base) {
    for (const ShadedStroke* s = begin; s != end; ++s) Line(c, s->stroke, OffP(c, base, s->offset));
}

void PaletteEdge(Control& c, const EdgePalette& p) {
    const std::int32_t w = c.r.ClientWidth, h = c.r.ClientHeight;
    Frame(c, 1, 2, w - 2, h - 4, p.innerFrame);
    Line(c, EdgeBottom, p.bottomLine);
    Line(c, EdgeTop, p.topLine);
    Line(c, EdgeSecond, p.secondLine);
    Line(c, EdgeLeftSide, p.sideLines);
    Line(c, EdgeRightSide, p.sideLines);
}

// The DoubleFrame focus box round the caption, with HasFocus and ShowFocusRect.
void DoubleFrameFocus(Control& c) {
    const ButtonRecord& r = c.r;
    if (!r.HasFocus || !r.ShowFocusRect) return;
    Frame(c, r.CaptionRect.left - 2, r.CaptionRect.top - 1, r.CaptionWidth + 4, r.CaptionHeight + 2,
          DoubleFrameFocusBox);
}

// Makes the surface font bold for one caption drawing of the default button, with the
// caption laid out for it, and puts font, layout and RedrawAllowed back however the drawing
// is left. RedrawAllowed is cleared meanwhile so that nothing repaints in between.
class BoldForDrawing {
  public:
    BoldForDrawing(Control& c, bool active) : c_(c), active_(active) {
        if (!active_) return;
        c_.r.RedrawAllowed = false;
        QFont font = c_.host.font();
        wasBold_ = font.bold();
        font.setBold(true);
        c_.host.setFont(font);
        LayoutCaption(c_);
    }
    ~BoldForDrawing() {
        if (!active_) return;
        QFont font = c_.host.font();
        font.setBold(wasBold_);
        c_.host.setFont(font);
        LayoutCaption(c_);
        c_.r.RedrawAllowed = true;
    }
    BoldForDrawing(const BoldForDrawing&) = delete;
    BoldForDrawing& operator=(const BoldForDrawing&) = delete;

  private:
    Control& c_;
    bool active_;
    bool wasBold_ = false;
};

// GradientFramed's frames and the two-pixel highlight along the top and the left.
void FramedEdges(Control& c) {
    const ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    Frame(c, 0, 0, w, h, Off(c, r.ShadowColor, FramedOuter));
    Frame(c, 1, 1, w - 2, h - 2, Off(c, r.FaceColor, FramedInner));
    Fill(c, 2, 2, w - 4, 2, r.HighlightColor);
    Fill(c, 2, 4, 2, h - 6, r.HighlightColor);
}

} // namespace

std::int32_t GradientOffset(std::int32_t spread, std::int32_t height, std::int32_t i) {
    if (height <= 0) return 0;
    const float step = static_cast<float>(static_cast<double>(spread) / height);
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<std::int32_t>(std::nearbyint(-static_cast<double>(step) * i));
}

void PaintGradient(Control& c, std::int32_t spread, Rgb base, bool proportional, bool bottomUp) {
    const std::int32_t w = c.r.ClientWidth, h = c.r.ClientHeight;
    for (std::int32_t i = 1; i <= h; ++i) {
        const std::int32_t y = bottomUp ? h - i : i;
        PaintLine(c, 0, y, w, y, OffsetColor(c, base, GradientOffset(spread, h, i), proportional));
    }
}

// A gradient face in a dark blue outline with cut corners, and a two-pixel inner edge that
// is orange while hovered, blue when focused or default, and shaded from the face at rest.
// Focus shows only through the edge: no dotted rectangle.
void DrawRoundedGradient(Control& c, Look look) {
    ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up: {
        PaintGradient(c, RoundedGradientSpread, r.GradientBase, true, false);
        DrawCaption(c, OverCaptionMode(c));
        Frame(c, 0, 0, w, h, RoundedOutline);
        CornerPixels(c, RoundedCornerPixel);
        if (r.IsOver) {
            PaletteEdge(c, HoverPalette);
            break;
        }
        const bool asDefault = c.host.ambientDisplayAsDefault();
        if ((r.HasFocus || asDefault) && r.ShowFocusRect) {
            PaletteEdge(c, FocusPalette);
        } else {
            ShadedLines(c, RestingEdge.begin(), RestingEdge.end(), r.GradientBase);
        }
        break;
    }
    case Look::Down: {
        const Rgb base = OffP(c, r.GradientBase, PressedFaceOffset);
        PaintGradient(c, RoundedGradientSpread, base, true, true);
        DrawCaption(c, CaptionDown);
        Frame(c, 0, 0, w, h, RoundedOutline);
        CornerPixels(c, RoundedCornerPixel);
        ShadedLines(c, PressedEdgeBeforeInnerRight.begin(), PressedEdgeBeforeInnerRight.end(),
                    base);
        Line(c, PressedInnerRight, r.GradientBase);
        ShadedLines(c, PressedEdgeAfterInnerRight.begin(), PressedEdgeAfterInnerRight.end(), base);
        break;
    }
    case Look::Disabled:
        Fill(c, 0, 0, w, h, OffP(c, r.GradientBase, DisabledFaceOffset));
        DrawCaption(c, CaptionShaded);
        Frame(c, 0, 0, w, h, OffP(c, r.GradientBase, DisabledOutlineOffset));
        CornerPixels(c, OffP(c, r.GradientBase, DisabledCornerOffset));
        break;
    }
}

// A light face in a dark outline with cut corners: highlight inner edge top-left, face and
// shadow edges bottom-right; pressed, nested darker frames. No focus rectangle.
void DrawRoundedBevel(Control& c, Look look) {
    ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    if (look == Look::Down) {
        const Rgb pressedFace = Off(c, r.ShadowColor, BevelPressedFace);
        const Rgb outer = Off(c, r.ShadowColor, BevelPressedOuter);
        const Rgb inner = Off(c, r.ShadowColor, BevelPressedInner);
        Fill(c, 1, 1, w - 2, h - 2, pressedFace);
        // The caption routine shades its effects from GradientBase: give it the pressed face.
        r.GradientBase = pressedFace;
        DrawCaption(c, CaptionDown);
        // Put back in ApplyColorScheme's plain form, whatever form it had before.
        r.GradientBase = Off(c, r.FaceColor, GradientBaseOffset);
        Frame(c, 0, 0, w, h, r.DarkShadowColor);
        Frame(c, 1, 1, w - 2, h - 2, outer);
        Frame(c, 2, 2, w - 4, h - 4, inner);
        PaintPixel(c, 2, 2, outer);
        PaintPixel(c, 3, 3, inner);
        CornerPixels(c, r.DarkShadowColor);
        PaintLine(c, w - 3, 1, w - 3, h - 3, r.ShadowColor);
        PaintLine(c, 1, h - 3, w - 2, h - 3, r.ShadowColor);
        PaintPixel(c, w - 4, h - 4, r.ShadowColor);
        PaintLine(c, w - 2, 3, w - 2, h - 2, pressedFace);
        PaintLine(c, 3, h - 2, w - 2, h - 2, pressedFace);
        PaintLine(c, w - 2, h - 3, w - 4, h - 1, inner);
        PaintPixel(c, 2, h - 2, inner);
        PaintPixel(c, w - 2, 2, inner);
        return;
    }
    // Up and disabled differ only in the caption mode.
    Fill(c, 1, 1, w - 2, h - 2, r.LightColor);
    DrawCaption(c, look == Look::Up ? OverCaptionMode(c) : std::uint8_t{CaptionEmbossed});
    Frame(c, 0, 0, w, h, r.DarkShadowColor);
    CornerPixels(c, r.DarkShadowColor);
    PaintLine(c, 1, 2, 2, 0, r.FaceColor);
    PaintLine(c, 3, 2, w - 3, 2, r.HighlightColor);
    PaintLine(c, 2, 2, 2, h - 3, r.HighlightColor);
    PaintPixel(c, 3, 3, r.HighlightColor);
    PaintLine(c, w - 3, 1, w - 3, h - 3, r.FaceColor);
    PaintLine(c, 1, h - 3, w - 3, h - 3, r.FaceColor);
    PaintPixel(c, w - 4, h - 4, r.FaceColor);
    PaintLine(c, w - 2, 2, w - 2, h - 2, r.ShadowColor);
    PaintLine(c, 2, h - 2, w - 2, h - 2, r.ShadowColor);
    PaintPixel(c, w - 3, h - 3, r.ShadowColor);
}

// A lightened face inside a dark frame and a light frame one pixel right of and below it;
// focus is a box round the caption, never the dotted rectangle.
void DrawDoubleFrame(Control& c, Look look) {
    ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        Fill(c, 1, 1, w - 1, h - 1, Off(c, r.FaceColor, DoubleFrameFaceLift));
        DrawCaption(c, OverCaptionMode(c));
        Frame(c, 1, 1, w - 1, h - 1, r.HighlightColor);
        Frame(c, 0, 0, w - 1, h - 1, Off(c, r.ShadowColor, DoubleFrameDarkFrame));
        PaintPixel(c, 1, h - 2, Off(c, r.ShadowColor, DoubleFrameCornerLift));
        PaintPixel(c, w - 2, 1, Off(c, r.ShadowColor, DoubleFrameCornerLift));
        DoubleFrameFocus(c);
        break;
    case Look::Down:
        Fill(c, 1, 1, w - 2, h - 2, Off(c, r.ShadowColor, DoubleFramePressedFace));
        Frame(c, 0, 0, w - 1, h - 1, Off(c, r.ShadowColor, DoubleFrameDarkFrame));
        PaintLine(c, w - 1, 1, w - 1, h, r.HighlightColor);
        PaintLine(c, 1, h - 1, w - 1, h - 1, r.HighlightColor);
        // Drawn directly, not as a caption mode: in the hover colour at the resting place,
        // and LastCaptionMode keeps what it held.
        c.host.setTextColor(r.TextOverColor);
        DrawCaptionText(c, r.CaptionRect, r.TextOverColor);
        DoubleFrameFocus(c);
        break;
    case Look::Disabled:
        DrawCaption(c, CaptionGrey);
        Frame(c, 0, 0, w, h, r.ShadowColor);
        break;
    }
}

// A filled ellipse over the whole client area; disabled, the face alone.
void DrawOval(Control& c, Look look) {
    const ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        PaintOval(c, 0, 0, w, h, r.IsOver ? r.ShadowColor : r.FaceColor, r.FaceColor);
        DrawCaption(c, OverCaptionMode(c));
        break;
    case Look::Down:
        PaintOval(c, 0, 0, w, h, r.DarkShadowColor, Off(c, r.FaceColor, OvalPressedFace));
        DrawCaption(c, CaptionDown);
        break;
    case Look::Disabled:
        DrawCaption(c, CaptionEmbossed);
        break;
    }
}

// A gradient face from the highlight colour (flat Light while hovered), a dark outer and a
// face-toned inner frame, and a two-pixel highlight along the top and left. The default
// button's caption is drawn bold for this drawing only.
void DrawGradientFramed(Control& c, Look look) {
    ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        if (r.IsOver) {
            Fill(c, 0, 0, w, h, r.LightColor);
        } else {
            PaintGradient(c, GradientFramedSpread, r.HighlightColor, false, false);
        }
        {
            const BoldForDrawing bold(c, c.host.ambientDisplayAsDefault());
            DrawCaption(c, OverCaptionMode(c));
        }
        FramedEdges(c);
        PaintFocusRect(c);
        break;
    case Look::Down:
        Fill(c, 1, 1, w, h, Off(c, r.FaceColor, FramedInner));
        Frame(c, 0, 0, w, h, Off(c, r.ShadowColor, FramedOuterPressed));
        PaintLine(c, 2, h - 2, w - 2, h - 2, r.HighlightColor);
        PaintLine(c, w - 2, 2, w - 2, h - 1, r.HighlightColor);
        DrawCaption(c, CaptionLightEmbossed);
        PaintFocusRect(c);
        break;
    case Look::Disabled:
        PaintGradient(c, GradientFramedSpread, r.HighlightColor, false, false);
        FramedEdges(c);
        DrawCaption(c, CaptionFaceEmbossed);
        break;
    }
}

} // namespace chameleon
