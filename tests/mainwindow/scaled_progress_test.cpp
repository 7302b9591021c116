// PB1's mapping of byte counts onto whole steps: exact steps at the ends and in between for
// counts up to the largest preset, the bar touched only when the step changes, and the range
// given to the bar.
#include "mainwindow/scaled_progress.h"

#include <QSignalSpy>
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

TEST(ScaledProgress, TouchesTheBarOnlyWhenTheStepChanges) {
    QProgressBar bar; // 0..100 at value 0 until a cut gives it its range
    ScaledProgress progress(bar);
    QSignalSpy changes(&bar, &QProgressBar::valueChanged);
    const double total = 4096.0 * 100000; // 100000 blocks
    progress.setMin(0);
    progress.setMax(total);
    EXPECT_EQ(bar.maximum(), kProgressSteps);
    for (double copied = 0; copied <= total; copied += 4096) progress.setValue(copied);
    EXPECT_EQ(bar.value(), kProgressSteps);
    EXPECT_EQ(changes.size(), kProgressSteps + 1); // one per step, the first (to 0) included

    // A second cut starts again from 0 although the bar stands at its end.
    progress.setMax(8192);
    for (double copied : {0, 4096, 8192}) progress.setValue(copied);
    EXPECT_EQ(changes.size(), kProgressSteps + 4);
}

} // namespace
} // namespace form1
