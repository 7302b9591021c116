// The byte-to-step mapping behind PB1.
#include "mainwindow/scaled_progress.h"

#include <cmath>

namespace form1 {

namespace {

// Byte counts are whole, from 0 to below 2^53, so they convert exactly; anything else is
// clamped into 0..2^53, where (value - min) * kProgressSteps stays below 2^63.
constexpr double kLimit = 9007199254740992.0; // 2^53

std::int64_t wholeBytes(double value) {
    if (!(value > 0)) return 0;
    if (!(value < kLimit)) return static_cast<std::int64_t>(kLimit);
    return static_cast<std::int64_t>(std::floor(value));
}

} // namespace

void ScaledProgress::setMin(double value) {
    min_ = wholeBytes(value);
}

void ScaledProgress::setMax(double value) {
    max_ = wholeBytes(value);
    if (bar_.minimum() != 0 || bar_.maximum() != kProgressSteps) bar_.setRange(0, kProgressSteps);
    shown_ = bar_.value();
}

int ScaledProgress::stepFor(double value) const {
    const std::int64_t v = wholeBytes(value);
    if (v >= max_) return v >= min_ ? kProgressSteps : 0;
    if (v <= min_) return 0;
    return static_cast<int>((v - min_) * kProgressSteps / (max_ - min_));
}

void ScaledProgress::setValue(double value) {
    const int step = stepFor(value);
    if (step == shown_) return;
    shown_ = step;
    bar_.setValue(step);
}

} // namespace form1
