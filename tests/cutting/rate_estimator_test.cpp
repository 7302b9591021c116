// The progress text's arithmetic with given clock values: when a speed and a time left first
// appear, and that the speed follows the last few seconds rather than the whole copy.
#include "cutting/rate_estimator.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace cutting {
namespace {

constexpr double kMB = 1e6;
constexpr double kTotal = 2000 * kMB;

struct Phase {
    double untilSeconds; // samples every 0.25 s up to here
    double mbPerSecond;
};

TEST(RateEstimatorTest, SpeedOverTheLastSecondsAndTimeLeftOnceSettled) {
    const std::vector<Phase> steady = {{5, 100}};
    const struct {
        std::vector<Phase> phases;
        double at; // the last sample's time
        std::optional<double> speed, left;
    } cases[] = {
        {steady, 0, {}, {}},          // one sample
        {steady, 0.25, {}, {}},       // too short a span
        {steady, 0.5, 100 * kMB, {}}, // a speed, not yet settled
        {steady, 1.75, 100 * kMB, {}},
        {steady, 2, 100 * kMB, 18},                                        // (2000 - 200) / 100
        {{{10, 100}, {14, 50}}, 14, 50 * kMB, 16},                         // recent only
        {{{10, 100}, {12, 50}}, 12, (100 * 1 + 50 * 2) / 3.0 * kMB, 13.5}, // straddling
        {{{4, 100}, {8, 0}}, 8, 0.0, {}},                                  // stalled: no time left
        {{{30, 100}}, 22, 100 * kMB, 0},                                   // past the total
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at);
        RateEstimator rate;
        rate.add(99, 1); // a previous copy, forgotten
        rate.reset();
        double bytes = 0, t = 0;
        std::size_t phase = 0;
        for (int tick = 0; t <= c.at + 1e-9; t = ++tick * 0.25) {
            rate.add(t, bytes);
            while (phase + 1 < c.phases.size() && t >= c.phases[phase].untilSeconds) ++phase;
            bytes += c.phases[phase].mbPerSecond * kMB * 0.25;
        }
        const std::optional<double> speed = rate.bytesPerSecond(), left = rate.secondsLeft(kTotal);
        ASSERT_EQ(speed.has_value(), c.speed.has_value());
        ASSERT_EQ(left.has_value(), c.left.has_value());
        EXPECT_NEAR(speed.value_or(0), c.speed.value_or(0), 1);
        EXPECT_NEAR(left.value_or(0), c.left.value_or(0), 1e-6);
    }
}

} // namespace
} // namespace cutting
