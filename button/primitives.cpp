// The six drawing primitives (placeholder bodies while the real ones are written).
#include "button/primitives.h"

namespace chameleon {

void PaintBox(Control&, std::int32_t, std::int32_t, std::int32_t, std::int32_t, Rgb, bool) {}
void PaintOval(Control&, std::int32_t, std::int32_t, std::int32_t, std::int32_t, Rgb, Rgb) {}
void PaintLine(Control&, std::int32_t, std::int32_t, std::int32_t, std::int32_t, Rgb) {}
void PaintBevel(Control&, Rgb, Rgb, Rgb, Rgb, std::int16_t, bool) {}
void PaintPixel(Control&, std::int32_t, std::int32_t, Rgb) {}
void PaintFocusRect(Control&) {}

} // namespace chameleon
