// The cutting job: writes the first TotalBytes bytes of the source image into the output,
// zero bytes past the source's end, in blocks of at most 4096 bytes, reporting progress and
// letting the window handle its events after every block. It knows no widgets: the window
// hands it the control values, a progress sink, a message sink and a pump.
//
//   refusals (titled "info") ... progress 0..TotalBytes ... open source (shared read)
//   open output (exclusive) ... [read 4096 | progress | write | write-back? | pump | cancel?]
//   ... output length = TotalBytes ... data sync (pumping) ... close source, close output
//   ... "Process Successfully!!!"
//
// Success means the data is on the output's device: a user may pull the stick once the
// message shows, and a write error that only the write-back sees is reported, not hidden. So
// that the final sync is short and the page cache never holds gigabytes of the cut, write-back
// of every kWriteBackBytes written is started during the copy by a worker (write_back.h), and
// the copy waits when it is more than kWriteBackRangesInFlight ranges ahead of the device. Those
// waits and the final sync keep pumping the window's events (the sync runs on a helper thread),
// so that a slow device never freezes the window; nothing else of the job leaves the calling
// thread.
#pragma once

#include "cutting/cut_plan.h"
#include "cutting/sinks.h"

#include <chrono>
#include <cstdint>

namespace cutting {

class Random;

inline constexpr std::int32_t kBlockBytes = 4096;
// Written bytes between two write-back starts, and how many started ranges may be unfinished
// before the copy waits for the oldest; chosen by measurement (bench_cut with arguments).
inline constexpr std::int64_t kWriteBackBytes = std::int64_t{64} << 20;
inline constexpr int kWriteBackRangesInFlight = 1;
// How often the window's events are handled while the job waits for the device.
inline constexpr std::chrono::milliseconds kSyncPumpInterval{10};

enum class CutResult {
    Refused,        // a refusal was shown; nothing was opened
    Completed,      // the output is complete and the success message was shown
    Cancelled,      // stopped on request after a block; the output as long as what was written
    AlreadyRunning, // a cut was already running on this job; nothing was done or shown
};

// Whether a cancelled cut says so: the window's cancel key reports, Quit and close do not.
enum class CancelNotice { Silent, Report };

class CutJob {
  public:
    // The window owns both file objects and keeps them alive while the job runs.
    CutJob(Random& SourceFile, Random& OutputFile) : source_(SourceFile), output_(OutputFile) {}
    CutJob(const CutJob&) = delete;
    CutJob& operator=(const CutJob&) = delete;

    // Runs one cut. Errors (qdct::NumberedError: a missing source, a count that is not a number,
    // any failure of the file objects, including a failed read, write or close) propagate with
    // number, source and description intact, after both files that the run opened are closed.
    CutResult run(const CutInputs& inputs, ProgressSink& progress, MessageSink& messages,
                  Pump& pump);
    bool isRunning() const { return running_; }
    // Asks a running cut to stop after its current block; ignored when none runs, and by a cut
    // whose last block is written. A silent request wins over one that reports.
    void requestCancel(CancelNotice notice = CancelNotice::Silent) {
        if (!running_) return;
        reportCancel_ = (cancelRequested_ ? reportCancel_ : true) && notice == CancelNotice::Report;
        cancelRequested_ = true;
    }
    // Bytes between write-back starts (0 leaves all write-back to the final sync) and the
    // started ranges that may be unfinished before the copy waits (at least 1).
    void setWriteBack(std::int64_t bytes, int rangesInFlight = kWriteBackRangesInFlight) {
        writeBackBytes_ = bytes;
        rangesInFlight_ = rangesInFlight;
    }

  private:
    // Copies until TotalBytes or a cancel; returns the bytes written.
    double copy(double TotalBytes, ProgressSink& progress, Pump& pump);
    // Runs `action` (a wait for the output's device) on a helper thread, handling the
    // window's events meanwhile; raises what the action raises.
    template <class Action>
    void waitPumping(Pump& pump, Action&& action);

    Random& source_;
    Random& output_;
    bool running_ = false;
    bool cancelRequested_ = false;
    bool reportCancel_ = false;
    std::int64_t writeBackBytes_ = kWriteBackBytes;
    int rangesInFlight_ = kWriteBackRangesInFlight;
};

} // namespace cutting
