// PB1's mapping of byte counts onto whole steps: exact steps at the ends and in between for
// counts up to the largest preset, the bar touched only when the step changes, and the range
// given to the bar.
#include "mainwindow/scaled_progress.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace form1 {
namespace {

TEST(ScaledProgress, MapsBytesOntoWholeStepsInSixtyFourBits) {
    QProgressBar bar;
    ScaledProgress progress(bar);
    const double largest = 4173824.0 * 2048 + 4096; // Option4 plus two sectors
    progress.setMin(0);
    progress.setMax(largest);
    EXPECT_EQ(progress.stepFor(0), 0);
    EXPECT_EQ(progress.stepFor(4096), 0);
    EXPECT_EQ(progress.stepFor(largest / 2), 500);
    EXPECT_EQ(progress.stepFor(largest - 1), 999);
    EXPECT_EQ(progress.stepFor(largest), kProgressSteps);
    EXPECT_EQ(progress.stepFor(largest * 2), kProgressSteps);
    EXPECT_EQ(progress.stepFor(-5), 0);
    // 8547995648 * 1000 overflows 32 bits many times over; one step is 8547995.648 bytes.
    EXPECT_EQ(progress.stepFor(8547996), 1);
    EXPECT_EQ(progress.stepFor(8547995), 0);

    progress.setMin(1000);
    progress.setMax(3000);
    EXPECT_EQ(progress.stepFor(1000), 0);
    EXPECT_EQ(progress.stepFor(2000), 500);
    EXPECT_EQ(progress.stepFor(2999), 999);
    // An empty range is full once reached.
    progress.setMin(0);
    progress.setMax(0);
    EXPECT_EQ(progress.stepFor(0), kProgressSteps);
}

TEST(ScaledProgress, TouchesTheBarOnlyWhenTheStepChanges) {
    QProgressBar bar; // 0..100 at value 0 until a cut gives it its range
    ScaledProgress progress(bar);
    QSignalSpy changes(&bar, &QProgressBar::valueChanged);
    const double total = 4096.0 * 100000; // 100000 blocks
    progress.setMin(0);
    progress.setMax(total);
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), kProgressSteps);
    progress.setValue(0);
    for (double copied = 4096; copied <= total; copied += 4096) progress.setValue(copied);
    EXPECT_EQ(bar.value(), kProgressSteps);
    // One change per step, not per block (the first, to 0, included).
    EXPECT_EQ(changes.size(), kProgressSteps + 1);

    // A second cut starts again from 0 although the bar stands at its end.
    changes.clear();
    progress.setMin(0);
    progress.setMax(8192);
    progress.setValue(0);
    EXPECT_EQ(bar.value(), 0);
    progress.setValue(4096);
    progress.setValue(8192);
    EXPECT_EQ(bar.value(), kProgressSteps);
    EXPECT_EQ(changes.size(), 3);
}

} // namespace
} // namespace form1
