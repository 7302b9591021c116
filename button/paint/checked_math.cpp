// Out-of-line part of the checked arithmetic: the rounding conversion of real numbers.
#include "button/paint/checked_math.h"

#include <cmath>

namespace chameleon::checked {

std::int32_t roundToInt(double value) {
    // nearbyint follows the default rounding mode, round-to-nearest-even.
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) overflow();
    return static_cast<std::int32_t>(r);
}

} // namespace chameleon::checked
