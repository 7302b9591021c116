// Colour helpers and schemes: every colour the control paints with is derived here from the
// colour properties, the scheme, SoftBevel and the style, as plain values in and out.
#pragma once

#include "button/paint/types.h"

namespace chameleon {

// A system colour table index (0..30) as a plain RGB value.
Rgb systemColor(int index);
// An OLE colour as plain RGB: high bit set selects a system colour, else the value itself.
Rgb TranslateOleColor(OleColor color);
// Moves every channel by offset (halved under SoftBevel); proportional scales only blue.
Rgb OffsetColor(bool softBevel, Rgb color, std::int32_t offset, bool proportional = false);
// Blends toward white: black becomes amount in every channel.
Rgb LightenColor(Rgb color, std::int32_t amount);

// The colours one drawing paints with, all plain RGB.
struct DerivedColors {
    Rgb FaceColor = 0;
    Rgb LightColor = 0;
    Rgb HighlightColor = 0;
    Rgb ShadowColor = 0;
    Rgb DarkShadowColor = 0;
    Rgb TextColor = 0;
    Rgb TextOverColor = 0;
    Rgb HotFrameColor = 0;
    Rgb HotFillColor = 0;
    Rgb GradientBase = 0;
    Rgb MaskColorValue = 0;
};

// What a scheme derives its colours from. The container's colours are read only by
// SchemeContainer.
struct SchemeInputs {
    std::int32_t ColorScheme = 0;
    std::int32_t ButtonType = 0;
    bool SoftBevel = false;
    OleColor BackColor = 0;
    OleColor ForeColor = 0;
    OleColor ForeOver = 0;
    OleColor MaskColor = 0;
    Rgb containerBackColor = 0;
    Rgb containerTextColor = 0;
};

DerivedColors deriveColors(const SchemeInputs& in);

// GradientBase is the face lightened by this much.
inline constexpr std::int32_t kGradientBaseOffset = 48;

// How far the SpecialEffect copies are lightened and darkened from the face under them.
inline constexpr std::int32_t kEffectOffset = 40;

// The SpecialEffect copies of a caption or picture on a face of colour base, in drawing order:
// draw(1, colour) for the copy one pixel right and down, then, for embossed and engraved only,
// draw(-1, colour) for the one left and up. Nothing without an effect.
template <typename Draw>
void forEachEffectCopy(std::int32_t effect, bool softBevel, Rgb base, Draw draw) {
    if (effect <= EffectNone) return;
    const bool engraved = effect == EffectEngraved;
    const Rgb lighter = OffsetColor(softBevel, base, kEffectOffset);
    const Rgb darker = OffsetColor(softBevel, base, -kEffectOffset);
    draw(1, engraved ? lighter : darker);
    if (effect == EffectEmbossed || engraved) draw(-1, engraved ? darker : lighter);
}

} // namespace chameleon
