// Colour helpers and schemes (placeholder bodies while the real ones are written).
#include "button/colors.h"

namespace chameleon {

Rgb SystemColor(int) {
    return 0;
}
Rgb TranslateOleColor(OleColor) {
    return 0;
}
Rgb OffsetColor(const Control&, Rgb color, std::int32_t, bool) {
    return color;
}
Rgb LightenColor(Rgb color, std::int32_t) {
    return color;
}
void ApplyColorScheme(Control&) {}

} // namespace chameleon
