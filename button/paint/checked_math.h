// Checked 32-bit signed arithmetic for coordinate and colour sums, and the one way the button
// raises an error: the control's integer arithmetic is checked, and an overflow reaches the
// caller as the runtime's overflow error instead of wrapping silently into a wrong pixel or
// colour.
#pragma once

#include "common/numbered_error.h"

#include <cstdint>
#include <string>

namespace chameleon {

// The source every error raised by the button carries.
inline constexpr char kControlErrorSource[] = "chameleonButton";

[[noreturn]] inline void raiseControlError(int number, const std::string& description) {
    throw qdct::NumberedError(number, kControlErrorSource, description);
}

namespace checked {

[[noreturn]] inline void overflow() {
    raiseControlError(qdct::errnum::kOverflow, "Overflow");
}

inline std::int32_t add(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) overflow();
    return r;
}

inline std::int32_t sub(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) overflow();
    return r;
}

inline std::int32_t mul(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) overflow();
    return r;
}

// Truncating division; the one overflowing case (INT32_MIN / -1) is checked too.
inline std::int32_t div(std::int32_t a, std::int32_t b) {
    if (b == -1 && a == INT32_MIN) overflow();
    return a / b;
}

// A real number converted to a 32-bit integer the runtime's way: nearest, halves to even.
std::int32_t roundToInt(double value);

} // namespace checked
} // namespace chameleon
