// Redraw: the one routine that repaints the whole button for a state.
#pragma once

#include "button/control.h"

namespace chameleon {

// Repaints the button in State (StateUp or StateDown) unless nothing changed since the last
// drawing and Force is false; draws nothing while ClientHeight is 0 or RedrawAllowed is false.
void Redraw(Control& c, std::uint8_t state, bool force);

} // namespace chameleon
