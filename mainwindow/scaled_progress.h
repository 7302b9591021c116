// PB1 as the cutting job's progress sink. The job counts bytes (up to some 8.5 GB, in 1.15
// million steps of 4096); QProgressBar holds an int and repaints on every change. The byte
// range is mapped onto kProgressSteps whole steps, and a value that lands on the step already
// shown returns before the bar is touched, so almost every block costs one division.
//
//   bytes:  min ..................................... max
//   steps:  0   1   2   ...                         1000
#pragma once

#include "cutting/sinks.h"

#include <QProgressBar>
#include <cstdint>

namespace form1 {

inline constexpr int kProgressSteps = 1000;

class ScaledProgress final : public cutting::ProgressSink {
  public:
    explicit ScaledProgress(QProgressBar& bar) : bar_(bar) {}

    void setMin(double value) override;
    // Also gives the bar its range 0..kProgressSteps.
    void setMax(double value) override;
    void setValue(double value) override;

    // The step for `value` within min..max, in 64-bit arithmetic; 0 below min, kProgressSteps
    // at or above max (and for an empty range once the value reaches it).
    int stepFor(double value) const;

  private:
    QProgressBar& bar_;
    std::int64_t min_ = 0;
    std::int64_t max_ = 0;
    int shown_ = -1; // the step last given to the bar; -1 before any
};

} // namespace form1
