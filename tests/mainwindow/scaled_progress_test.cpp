// PB1's mapping of byte counts onto whole steps: exact steps at the ends and in between for
// counts up to the largest preset, in 64-bit arithmetic; and the text it shows while a cut runs.
#include "mainwindow/form1.h"
#include "mainwindow/scaled_progress.h"

#include <gtest/gtest.h>

namespace form1 {
namespace {

TEST(ScaledProgress, MapsBytesOntoWholeStepsInSixtyFourBits) {
    // Option4 plus two sectors: times 1000 it overflows 32 bits many times over; one step is
    // 8547995.648 bytes. An empty range is full once reached.
    constexpr double kBig = 4173824.0 * 2048 + 4096;
    // min, max, value, step
    const double cases[][4] = {
        {0, kBig, 0, 0},       {0, kBig, 4096, 0},        {0, kBig, 8547995, 0},
        {0, kBig, 8547996, 1}, {0, kBig, kBig / 2, 500},  {0, kBig, kBig - 1, 999},
        {0, kBig, kBig, 1000}, {0, kBig, kBig * 2, 1000}, {0, kBig, -5, 0},
        {1000, 3000, 1000, 0}, {1000, 3000, 2000, 500},   {1000, 3000, 2999, 999},
        {0, 0, 0, 1000}};
    QProgressBar bar;
    ScaledProgress progress(bar);
    for (const auto& [min, max, value, step] : cases) {
        progress.setMin(min);
        progress.setMax(max);
        EXPECT_EQ(progress.stepFor(value), step) << min << ".." << max << ": " << value;
    }
}

TEST(CutProgressText, PercentThenSpeedThenTimeLeft) {
    const std::tuple<int, std::optional<double>, std::optional<double>, const char*> cases[] = {
        {0, {}, {}, "0%"},
        {37, 812.4e6, {}, "37% · 812 MB/s"},
        {37, 812.6e6, 4.4, "37% · 813 MB/s · 0:04 left"},
        {5, 9.96e6, 725, "5% · 10.0 MB/s · 12:05 left"},
        {99, 0.25e6, 3 * 3600 + 62, "99% · 0.3 MB/s · 3:01:02 left"},
        {100, 2e9, 0, "100% · 2000 MB/s · 0:00 left"},
    };
    for (const auto& [percent, speed, left, text] : cases)
        EXPECT_EQ(cutProgressText(percent, speed, left), QString::fromUtf8(text));
}

} // namespace
} // namespace form1
