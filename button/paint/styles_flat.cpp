// The styles made of straight edges on a plain face: bevels, rings, the flat hover looks and
// the transparent style. Each is a fixed list of primitive calls per look; Redraw has already
// filled the face and draws the picture afterwards.
#include "button/paint/caption.h"
#include "button/paint/colors.h"
#include "button/paint/device_grid.h"
#include "button/paint/primitives.h"
#include "button/paint/styles.h"

#include <algorithm>
#include <cstring>

namespace chameleon {

namespace {

// How much the thick raised edge's light side is brightened.
constexpr std::int32_t kThickLightOffset = 8;
// FlatHighlight's pressed fill: the hover fill darkened (custom scheme) or the hover frame
// colour washed toward white.
constexpr std::int32_t kPressedHotFillOffset = -32;
constexpr std::int32_t kPressedHotFrameLighten = 128;

// Both rings: outer a (top, left) and b (bottom, right), inner c and e.
void bevel(Drawing& d, Rgb a, Rgb b, Rgb c, Rgb e, std::int16_t inset) {
    PaintBevel(d.surface, d.face.ClientWidth, d.face.ClientHeight, a, b, c, e, inset, false);
}

// The outer ring only.
void ring(Drawing& d, Rgb a, Rgb b, std::int16_t inset) {
    PaintBevel(d.surface, d.face.ClientWidth, d.face.ClientHeight, a, b, 0, 0, inset, true);
}

// The raised four-colour bevel of a classic button, and its sunken counterpart.
void raisedBevel(Drawing& d, std::int16_t inset) {
    const ButtonFace& r = d.face;
    bevel(d, r.HighlightColor, r.DarkShadowColor, r.LightColor, r.ShadowColor, inset);
}

void sunkenBevel(Drawing& d) {
    const ButtonFace& r = d.face;
    bevel(d, r.DarkShadowColor, r.HighlightColor, r.ShadowColor, r.LightColor, 0);
}

// Styles 7, 8 and 12 share their list and differ only in the edge drawn after the caption.
enum class FlatEdgeKind { Thin, HotThin, HotBevel };

void drawFlatEdge(Drawing& d, FlatEdgeKind kind, Look look) {
    const ButtonFace& r = d.face;
    switch (look) {
    case Look::Up:
        DrawCaption(d, overCaptionMode(d.face));
        if (kind == FlatEdgeKind::Thin || (kind == FlatEdgeKind::HotThin && r.IsOver)) {
            ring(d, r.HighlightColor, r.ShadowColor, 0);
        } else if (kind == FlatEdgeKind::HotBevel && r.IsOver) {
            raisedBevel(d, 0);
        }
        paintFocus(d);
        break;
    case Look::Down:
        DrawCaption(d, CaptionDown);
        if (kind == FlatEdgeKind::HotBevel) {
            sunkenBevel(d);
        } else {
            ring(d, r.ShadowColor, r.HighlightColor, 0);
        }
        paintFocus(d);
        break;
    case Look::Disabled:
        DrawCaption(d, CaptionEmbossed);
        if (kind == FlatEdgeKind::Thin) ring(d, r.HighlightColor, r.ShadowColor, 0);
        break;
    }
}

// A straight copy of the backdrop's top-left ClientWidth x ClientHeight block onto the
// surface, clipped to what both hold. Without a backdrop the face fill stays. On a
// high-density surface a backdrop of the same ratio is copied device pixel for device pixel,
// and a 1x one is enlarged block by block like every other logical pixel.
void copyBackdrop(Drawing& d) {
    const ButtonFace& r = d.face;
    if (!r.Backdrop || r.Backdrop->isNull()) return;
    QImage& surface = d.surface;
    const QImage source = r.Backdrop->format() == surface.format()
                              ? *r.Backdrop
                              : r.Backdrop->convertToFormat(surface.format());
    const DeviceGrid grid(surface);
    const bool sameGrid = grid.unit() || source.devicePixelRatio() == grid.ratio();
    const std::int64_t client = sameGrid ? grid.edge(r.ClientWidth) : r.ClientWidth;
    const std::int64_t clientRows = sameGrid ? grid.edge(r.ClientHeight) : r.ClientHeight;
    const int width = int(std::min<std::int64_t>(
        {client, source.width(), sameGrid ? surface.width() : grid.logicalWidth()}));
    const int height = int(std::min<std::int64_t>(
        {clientRows, source.height(), sameGrid ? surface.height() : grid.logicalHeight()}));
    if (width <= 0 || height <= 0) return;
    if (sameGrid) {
        const auto bytes =
            static_cast<std::size_t>(width) * static_cast<std::size_t>(source.depth() / 8);
        for (int y = 0; y < height; ++y) {
            std::memcpy(surface.scanLine(y), source.constScanLine(y), bytes);
        }
        return;
    }
    for (int y = 0; y < height; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        const std::int64_t rowEnd = std::min<std::int64_t>(grid.edge(y + 1), surface.height());
        for (std::int64_t dy = grid.edge(y); dy < rowEnd; ++dy) {
            auto* to = reinterpret_cast<QRgb*>(surface.scanLine(int(dy)));
            for (int x = 0; x < width; ++x) {
                const std::int64_t end = std::min<std::int64_t>(grid.edge(x + 1), surface.width());
                for (std::int64_t dx = grid.edge(x); dx < end; ++dx) to[dx] = from[x];
            }
        }
    }
}

} // namespace

void paintFocus(Drawing& d) {
    if (d.face.ShowFocusRect && d.face.HasFocus) PaintFocusRect(d.surface, d.face.FocusRect);
}

// A double bevel one pixel inside a dark outline.
void drawOutlinedBevel(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        DrawCaption(d, overCaptionMode(d.face));
        bevel(d, r.HighlightColor, r.ShadowColor, r.HighlightColor, r.ShadowColor, -1);
        frame(d.surface, 0, 0, w, h, r.DarkShadowColor);
        paintFocus(d);
        break;
    case Look::Down:
        DrawCaption(d, CaptionDown);
        bevel(d, r.ShadowColor, r.HighlightColor, r.ShadowColor, r.HighlightColor, -1);
        frame(d.surface, 0, 0, w, h, r.DarkShadowColor);
        paintFocus(d);
        break;
    case Look::Disabled:
        DrawCaption(d, CaptionEmbossed);
        bevel(d, r.HighlightColor, r.ShadowColor, r.HighlightColor, r.ShadowColor, -1);
        frame(d.surface, 0, 0, w, h, r.DarkShadowColor);
        break;
    }
}

// The four-colour 3D button. As the container's default button (and only then, and only with
// ShowFocusRect) it gets a dark outline with the bevel one pixel further in, a flat double
// frame when pressed, and the focus rectangle.
void drawClassicBevel(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up: {
        DrawCaption(d, overCaptionMode(d.face));
        const bool asDefault = r.displayAsDefault && r.ShowFocusRect;
        if (asDefault) {
            raisedBevel(d, -1);
            paintFocus(d);
            frame(d.surface, 0, 0, w, h, r.DarkShadowColor);
        } else {
            raisedBevel(d, 0);
        }
        break;
    }
    case Look::Down: {
        DrawCaption(d, CaptionDown);
        const bool asDefault = r.displayAsDefault && r.ShowFocusRect;
        if (asDefault) {
            frame(d.surface, 0, 0, w, h, r.DarkShadowColor);
            frame(d.surface, 1, 1, w - 2, h - 2, r.ShadowColor);
            paintFocus(d);
        } else {
            sunkenBevel(d);
        }
        break;
    }
    case Look::Disabled:
        DrawCaption(d, CaptionEmbossed);
        raisedBevel(d, 0);
        break;
    }
}

// A two-pixel edge, brightened light top-left and shadow bottom-right; inverted when pressed.
void drawThickRaised(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    switch (look) {
    case Look::Up: {
        DrawCaption(d, overCaptionMode(d.face));
        const Rgb light = d.shade(r.LightColor, kThickLightOffset);
        bevel(d, light, r.ShadowColor, light, r.ShadowColor, 0);
        paintFocus(d);
        break;
    }
    case Look::Down: {
        DrawCaption(d, CaptionDown);
        const Rgb light = d.shade(r.LightColor, kThickLightOffset);
        bevel(d, r.ShadowColor, light, r.ShadowColor, light, 0);
        paintFocus(d);
        break;
    }
    case Look::Disabled: {
        DrawCaption(d, CaptionGrey);
        const Rgb light = d.shade(r.LightColor, kThickLightOffset);
        bevel(d, light, r.ShadowColor, light, r.ShadowColor, 0);
        break;
    }
    }
}

// A flat face with a one-pixel raised ring; sunken when pressed; kept when disabled.
void drawThinRaised(Drawing& d, Look look) {
    drawFlatEdge(d, FlatEdgeKind::Thin, look);
}

// A flat face that shows its raised ring only while hovered.
void drawFlatHotThin(Drawing& d, Look look) {
    drawFlatEdge(d, FlatEdgeKind::HotThin, look);
}

// A flat face that shows the full classic bevel only while hovered.
void drawFlatHotBevel(Drawing& d, Look look) {
    drawFlatEdge(d, FlatEdgeKind::HotBevel, look);
}

// A selection-coloured box while hovered. The up fill starts one pixel in from the left and
// top and runs to the right and bottom edges; the frame then covers the outermost ring.
void drawFlatHighlight(Drawing& d, Look look) {
    const ButtonFace& r = d.face;
    const std::int32_t w = r.ClientWidth, h = r.ClientHeight;
    switch (look) {
    case Look::Up:
        if (r.IsOver) fill(d.surface, 1, 1, w, h, r.HotFillColor);
        DrawCaption(d, overCaptionMode(d.face));
        if (r.IsOver) frame(d.surface, 0, 0, w, h, r.HotFrameColor);
        paintFocus(d);
        break;
    case Look::Down:
        if (r.IsOver) {
            fill(d.surface, 0, 0, w, h,
                 r.ColorScheme == SchemeCustom
                     ? d.shade(r.HotFillColor, kPressedHotFillOffset)
                     : LightenColor(r.HotFrameColor, kPressedHotFrameLighten));
        }
        DrawCaption(d, CaptionDown);
        frame(d.surface, 0, 0, w, h, r.HotFrameColor);
        paintFocus(d);
        break;
    case Look::Disabled:
        DrawCaption(d, CaptionGrey);
        break;
    }
}

// The container's own pixels behind the caption, no edge.
void drawTransparent(Drawing& d, Look look) {
    copyBackdrop(d);
    switch (look) {
    case Look::Up:
        DrawCaption(d, overCaptionMode(d.face));
        paintFocus(d);
        break;
    case Look::Down:
        DrawCaption(d, CaptionDown);
        paintFocus(d);
        break;
    case Look::Disabled:
        DrawCaption(d, CaptionEmbossed);
        break;
    }
}

} // namespace chameleon
