// What the cutting job reports to and asks of the window, as small interfaces so that the job
// knows no widgets: a progress bar, a message box and a pass of the event loop.
#pragma once

#include <string>

namespace cutting {

// Progress in bytes, as doubles; the window scales them onto its bar.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void setMin(double value) = 0;
    virtual void setMax(double value) = 0;
    virtual void setValue(double value) = 0;
};

// A modal message with an information icon and an OK button.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void show(const std::string& text, const std::string& title) = 0;
};

// Handles the window's pending events (repaints, clicks) before the next block.
class Pump {
  public:
    virtual ~Pump() = default;
    virtual void processPendingMessages() = 0;
};

} // namespace cutting
