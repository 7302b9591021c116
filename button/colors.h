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

} // namespace chameleon
