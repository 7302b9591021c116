// What the cutting job reports to and asks of the window, as small interfaces so that the job
// knows no widgets: a progress bar, a message box and the window's event loop, which runs
// while the cut's work goes on on a thread of its own.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace cutting {

// How often, at most, progress is shown while a cut runs: once a frame.
inline constexpr std::chrono::milliseconds kProgressTick{16};

// What a running cut is doing: writing the output, or reading it back to prove it.
enum class CutPhase { Copying, Verifying };

// Progress in bytes, as doubles; the window scales them onto its bar.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void setMin(double value) = 0;
    virtual void setMax(double value) = 0;
    virtual void setValue(double value) = 0;
    // A new phase begins over the same range, from 0.
    virtual void setPhase(CutPhase) {}
};

// A modal message with an information icon and an OK button; `details` (may be empty) is
// shown below the text.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void show(const std::string& text, const std::string& title,
                      const std::string& details) = 0;
};

// The window's event loop while the cut's work runs elsewhere.
class Pump {
  public:
    virtual ~Pump() = default;
    // Handles the window's events (repaints, clicks, dialogs) until `finished()` holds,
    // calling `tick()` about every kProgressTick meanwhile and once more at the end.
    virtual void waitFor(const std::function<bool()>& finished,
                         const std::function<void()>& tick) = 0;
};

} // namespace cutting
