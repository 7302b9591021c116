// The sliding window behind the progress text; see rate_estimator.h.
#include "cutting/rate_estimator.h"

namespace cutting {

void RateEstimator::add(double seconds, double bytes) {
    if (samples_.empty()) firstSeconds_ = seconds;
    samples_.push_back({seconds, bytes});
    // Keep one sample at or before the window's start, so the window is always fully spanned.
    while (samples_.size() > 2 && seconds - samples_[1].seconds >= kRateWindowSeconds)
        samples_.pop_front();
}

std::optional<double> RateEstimator::bytesPerSecond() const {
    if (samples_.size() < 2) return std::nullopt;
    const Sample& first = samples_.front();
    const Sample& last = samples_.back();
    const double span = last.seconds - first.seconds;
    if (span < kRateMinSpanSeconds) return std::nullopt;
    return (last.bytes - first.bytes) / span;
}

std::optional<double> RateEstimator::secondsLeft(double totalBytes) const {
    const std::optional<double> speed = bytesPerSecond();
    if (!speed || *speed <= 0 || samples_.back().seconds - firstSeconds_ < kRateSettleSeconds)
        return std::nullopt;
    const double left = totalBytes - samples_.back().bytes;
    return left > 0 ? left / *speed : 0;
}

} // namespace cutting
