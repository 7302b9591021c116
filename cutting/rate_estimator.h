// The speed of a running copy and the time it still needs, for the window's progress text.
// A copy of gigabytes takes minutes, and the rate changes as the page cache fills and the
// device catches up, so the speed is averaged over the last few seconds only, and the time
// left is given only once the copy has run long enough for that average to mean something.
// Times come in as seconds from any fixed origin, so tests feed them directly.
#pragma once

#include <deque>
#include <optional>

namespace cutting {

inline constexpr double kRateWindowSeconds = 3;    // the span that the speed averages over
inline constexpr double kRateSettleSeconds = 2;    // running time before a time left is given
inline constexpr double kRateMinSpanSeconds = 0.5; // samples this far apart give a first speed

class RateEstimator {
  public:
    // Forgets every sample: a new copy begins.
    void reset() { samples_.clear(); }
    // `bytes` done by `seconds`. Samples come in time order; the caller decides how often.
    void add(double seconds, double bytes);
    // Bytes per second over the last kRateWindowSeconds, once the samples span
    // kRateMinSpanSeconds; nullopt before that.
    std::optional<double> bytesPerSecond() const;
    // Seconds until `totalBytes` at the current speed, once the copy has run for
    // kRateSettleSeconds and moves; nullopt before that.
    std::optional<double> secondsLeft(double totalBytes) const;

  private:
    struct Sample {
        double seconds;
        double bytes;
    };
    std::deque<Sample> samples_;
    double firstSeconds_ = 0; // when the copy's first sample came
};

} // namespace cutting
