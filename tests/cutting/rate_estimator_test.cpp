// The speed and time left behind the progress text: a speed only once samples span half a
// second, over the last three seconds only, a time left only after two seconds of a moving
// copy, and never a negative one.
#include "cutting/rate_estimator.h"

#include <gtest/gtest.h>

namespace cutting {
namespace {

TEST(RateEstimatorTest, SpeedOverTheLastSecondsAndTimeLeftOnceSettled) {
    constexpr double kTotal = 20000;
    // Each sample in turn, then the speed and the time left to kTotal it gives.
    const struct {
        double seconds, bytes;
        std::optional<double> speed, left;
    } steps[] = {{0, 0, {}, {}},
                 {0.4, 100, {}, {}},              // too short a span for a speed
                 {1, 1000, 1000, {}},             // not yet settled
                 {2, 2000, 1000, 18},             // 18000 bytes at 1000 a second
                 {4, 8000, 7000.0 / 3, 36 / 7.0}, // the window starts at second 1
                 {5, 26000, 8000, 0}};            // past the total: nothing left
    RateEstimator rate;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.seconds);
        rate.add(step.seconds, step.bytes);
        EXPECT_EQ(rate.bytesPerSecond().has_value(), step.speed.has_value());
        EXPECT_DOUBLE_EQ(rate.bytesPerSecond().value_or(-1), step.speed.value_or(-1));
        EXPECT_EQ(rate.secondsLeft(kTotal).has_value(), step.left.has_value());
        EXPECT_DOUBLE_EQ(rate.secondsLeft(kTotal).value_or(-1), step.left.value_or(-1));
    }
    rate.reset(); // a stalled copy has no time left
    rate.add(10, 500);
    rate.add(13, 500);
    EXPECT_EQ(rate.secondsLeft(kTotal), std::nullopt);
}

} // namespace
} // namespace cutting
