// Redraw: the one routine that repaints the whole button for a state.
#pragma once

#include "button/model/control.h"
#include "button/paint/face.h"

namespace chameleon {

// Repaints the button in state (StateUp or StateDown) unless nothing changed since the last
// drawing and force is false; draws nothing while ClientHeight is 0 or RedrawAllowed is false.
void Redraw(Control& c, std::uint8_t state, bool force);

// The face one drawing in state shows: the record's values, with the hover colours of a
// hovered custom-scheme button.
ButtonFace faceFor(Control& c, std::uint8_t state);

} // namespace chameleon
