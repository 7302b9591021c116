// Colour helpers and schemes: every colour the control paints with is derived here from the
// colour properties, the scheme, SoftBevel and the style.
#pragma once

#include "button/control.h"

namespace chameleon {

// A system colour table index (0..30) as a plain RGB value.
Rgb SystemColor(int index);
// An OLE colour as plain RGB: high bit set selects a system colour, else the value itself.
Rgb TranslateOleColor(OleColor color);
// Moves every channel by Offset (halved under SoftBevel); Proportional scales only blue.
Rgb OffsetColor(const Control& c, Rgb color, std::int32_t offset, bool proportional = false);
// Blends toward white: black becomes Amount in every channel.
Rgb LightenColor(Rgb color, std::int32_t amount);
// Recomputes every derived colour of the record from its properties.
void ApplyColorScheme(Control& c);

// GradientBase is the face lightened by this much.
inline constexpr std::int32_t GradientBaseOffset = 48;

// How far the SpecialEffect copies are lightened and darkened from the face under them.
inline constexpr std::int32_t EffectOffset = 40;

// The SpecialEffect copies of a caption or picture on a face of colour base, in drawing order:
// draw(1, colour) for the copy one pixel right and down, then, for embossed and engraved only,
// draw(-1, colour) for the one left and up. Nothing without an effect.
template <typename Draw>
void ForEachEffectCopy(const Control& c, Rgb base, Draw draw) {
    const std::int32_t effect = c.r.SpecialEffect;
    if (effect <= EffectNone) return;
    const bool engraved = effect == EffectEngraved;
    const Rgb lighter = OffsetColor(c, base, EffectOffset);
    const Rgb darker = OffsetColor(c, base, -EffectOffset);
    draw(1, engraved ? lighter : darker);
    if (effect == EffectEmbossed || engraved) draw(-1, engraved ? darker : lighter);
}

} // namespace chameleon
