// The styles made of straight edges on a plain face: bevels, rings, the flat hover looks and
// the transparent style. Each is a fixed list of primitive calls per look; Redraw has already
// filled the face and draws the picture afterwards.
#include "button/caption.h"
#include "button/colors.h"
#include "button/primitives.h"
#include "button/styles.h"

#include <algorithm>
#include <cstring>

namespace chameleon {

namespace {

// How much the thick raised edge's light side is brightened.
constexpr std::int32_t ThickLightOffset = 8;
// FlatHighlight's pressed fill: the hover fill darkened (custom scheme) or the hover frame
// colour washed toward white.
constexpr std::int32_t PressedHotFillOffset = -32;
constexpr std::int32_t PressedHotFrameLighten = 128;

// Both rings: outer A (top, left) and B (bottom, right), inner C and D.
void Bevel(Control& c, Rgb a, Rgb b, Rgb cc, Rgb d, std::int16_t inset) {
    PaintBevel(c, a, b, cc, d, inset, false);
}

// The outer ring only.
void Ring(Control& c, Rgb a, Rgb b, std::int16_t inset) {
    PaintBevel(c, a, b, 0, 0, inset, true);
}

// The raised four-colour bevel of a classic button, and its sunken counterpart.
void RaisedBevel(Control& c, std::int16_t inset) {
    const ButtonRecord& r = c.r;
    Bevel(c, r.HighlightColor, r.DarkShadowColor, r.LightColor, r.ShadowColor, inset);
}

void SunkenBevel(Control& c) {
    const ButtonRecord& r = c.r;
    Bevel(c, r.DarkShadowColor, r.HighlightColor, r.ShadowColor, r.LightColor, 0);
}

// Styles 7, 8 and 12 share their list and differ only in the edge drawn after the caption.
enum class FlatEdgeKind { Thin, HotThin, HotBevel };

void DrawFlatEdge(Control& c, FlatEdgeKind kind, Look look) {
    const ButtonRecord& r = c.r;
    switch (look) {
    case Look::Up:
        DrawCaption(c, OverCaptionMode(c));
        if (kind == FlatEdgeKind::Thin || (kind == FlatEdgeKind::HotThin && r.IsOver)) {
            Ring(c, r.HighlightColor, r.ShadowColor, 0);
        } else if (kind == FlatEdgeKind::HotBevel && r.IsOver) {
            RaisedBevel(c, 0);
        }
        PaintFocusRect(c);
        break;
    case Look::Down:
        DrawCaption(c, CaptionDown);
        if (kind == FlatEdgeKind::HotBevel) {
            SunkenBevel(c);
        } else {
            Ring(c, r.ShadowColor, r.HighlightColor, 0);
        }
        PaintFocusRect(c);
        break;
    case Look::Disabled:
        DrawCaption(c, CaptionEmbossed);
        if (kind == FlatEdgeKind::Thin) Ring(c, r.HighlightColor, r.ShadowColor, 0);
        break;
    }
}

// A straight copy of the backdrop's top-left ClientWidth x ClientHeight block onto the
// surface, clipped to what both hold. Without a backdrop the face fill stays.
void CopyBackdrop(Control& c) {
    const ButtonRecord& r = c.r;
    if (r.Backdrop.isNull()) return;
    QImage& surface = c.host.surface();
    const QImage source = r.Backdrop.format() == surface.format()
                              ? r.Backdrop
                              : r.Backdrop.convertToFormat(surface.format());
    const int width = std::min({r.ClientWidth, source.width(), surface.width()});
    const int height = std::min({r.ClientHeight, source.height(), surface.height()});
    if (width <= 0 || height <= 0) return;
    const auto bytes =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(source.depth() / 8);
    for (int y = 0; y < height; ++y) {
        std::memcpy(surface.scanLine(y), source.constScanLine(y), bytes);
    }
}

} // namespace

// A double bevel one pixel inside a dark outline.
void DrawOutlinedBevel(Control& c, Look look) {
    const ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        DrawCaption(c, OverCaptionMode(c));
        Bevel(c, r.HighlightColor, r.ShadowColor, r.HighlightColor, r.ShadowColor, -1);
        Frame(c, 0, 0, w, h, r.DarkShadowColor);
        PaintFocusRect(c);
        break;
    case Look::Down:
        DrawCaption(c, CaptionDown);
        Bevel(c, r.ShadowColor, r.HighlightColor, r.ShadowColor, r.HighlightColor, -1);
        Frame(c, 0, 0, w, h, r.DarkShadowColor);
        PaintFocusRect(c);
        break;
    case Look::Disabled:
        DrawCaption(c, CaptionEmbossed);
        Bevel(c, r.HighlightColor, r.ShadowColor, r.HighlightColor, r.ShadowColor, -1);
        Frame(c, 0, 0, w, h, r.DarkShadowColor);
        break;
    }
}

// The four-colour 3D button. As the container's default button (and only then, and only with
// ShowFocusRect) it gets a dark outline with the bevel one pixel further in, a flat double
// frame when pressed, and the focus rectangle.
void DrawClassicBevel(Control& c, Look look) {
    const ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up: {
        DrawCaption(c, OverCaptionMode(c));
        const bool asDefault = c.host.ambientDisplayAsDefault() && r.ShowFocusRect;
        if (asDefault) {
            RaisedBevel(c, -1);
            PaintFocusRect(c);
            Frame(c, 0, 0, w, h, r.DarkShadowColor);
        } else {
            RaisedBevel(c, 0);
        }
        break;
    }
    case Look::Down: {
        DrawCaption(c, CaptionDown);
        const bool asDefault = c.host.ambientDisplayAsDefault() && r.ShowFocusRect;
        if (asDefault) {
            Frame(c, 0, 0, w, h, r.DarkShadowColor);
            Frame(c, 1, 1, w - 2, h - 2, r.ShadowColor);
            PaintFocusRect(c);
        } else {
            SunkenBevel(c);
        }
        break;
    }
    case Look::Disabled:
        DrawCaption(c, CaptionEmbossed);
        RaisedBevel(c, 0);
        break;
    }
}

// A two-pixel edge, brightened light top-left and shadow bottom-right; inverted when pressed.
void DrawThickRaised(Control& c, Look look) {
    const ButtonRecord& r = c.r;
    switch (look) {
    case Look::Up: {
        DrawCaption(c, OverCaptionMode(c));
        const Rgb light = OffsetColor(c, r.LightColor, ThickLightOffset);
        Bevel(c, light, r.ShadowColor, light, r.ShadowColor, 0);
        PaintFocusRect(c);
        break;
    }
    case Look::Down: {
        DrawCaption(c, CaptionDown);
        const Rgb light = OffsetColor(c, r.LightColor, ThickLightOffset);
        Bevel(c, r.ShadowColor, light, r.ShadowColor, light, 0);
        PaintFocusRect(c);
        break;
    }
    case Look::Disabled: {
        DrawCaption(c, CaptionGrey);
        const Rgb light = OffsetColor(c, r.LightColor, ThickLightOffset);
        Bevel(c, light, r.ShadowColor, light, r.ShadowColor, 0);
        break;
    }
    }
}

// A flat face with a one-pixel raised ring; sunken when pressed; kept when disabled.
void DrawThinRaised(Control& c, Look look) {
    DrawFlatEdge(c, FlatEdgeKind::Thin, look);
}

// A flat face that shows its raised ring only while hovered.
void DrawFlatHotThin(Control& c, Look look) {
    DrawFlatEdge(c, FlatEdgeKind::HotThin, look);
}

// A flat face that shows the full classic bevel only while hovered.
void DrawFlatHotBevel(Control& c, Look look) {
    DrawFlatEdge(c, FlatEdgeKind::HotBevel, look);
}

// A selection-coloured box while hovered. The up fill starts one pixel in from the left and
// top and runs to the right and bottom edges; the frame then covers the outermost ring.
void DrawFlatHighlight(Control& c, Look look) {
    const ButtonRecord& r = c.r;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        if (r.IsOver) Fill(c, 1, 1, w, h, r.HotFillColor);
        DrawCaption(c, OverCaptionMode(c));
        if (r.IsOver) Frame(c, 0, 0, w, h, r.HotFrameColor);
        PaintFocusRect(c);
        break;
    case Look::Down:
        if (r.IsOver) {
            Fill(c, 0, 0, w, h,
                 r.ColorScheme == SchemeCustom
                     ? OffsetColor(c, r.HotFillColor, PressedHotFillOffset)
                     : LightenColor(r.HotFrameColor, PressedHotFrameLighten));
        }
        DrawCaption(c, CaptionDown);
        Frame(c, 0, 0, w, h, r.HotFrameColor);
        PaintFocusRect(c);
        break;
    case Look::Disabled:
        DrawCaption(c, CaptionGrey);
        break;
    }
}

// The container's own pixels behind the caption, no edge.
void DrawTransparent(Control& c, Look look) {
    CopyBackdrop(c);
    switch (look) {
    case Look::Up:
        DrawCaption(c, OverCaptionMode(c));
        PaintFocusRect(c);
        break;
    case Look::Down:
        DrawCaption(c, CaptionDown);
        PaintFocusRect(c);
        break;
    case Look::Disabled:
        DrawCaption(c, CaptionEmbossed);
        break;
    }
}

} // namespace chameleon
