// The cutting job: writes the first TotalBytes bytes of the source image into the output,
// zero bytes past the source's end, makes them durable, and reads them back to prove them.
// It knows no widgets: the window hands it the control values, a progress sink, a message
// sink and its event loop.
//
//   refusals (titled "info") ... open source (shared read), open output (exclusive)
//   ... worker thread: [copy a chunk | write-back | cancel?]... zero tail ... length
//       ... data sync ... still linked? ... read back, compare, SHA-256 (unless skipped)
//   ... meanwhile the window's thread: events, and progress every kProgressTick
//   ... close source, close output ... "Process Successfully!!!" with what the read-back found
//
// The copy runs on a thread of its own, in the kernel where it can (copy_engine.h), so that
// neither the window's events nor a dialog left open slow it down, and the window's thread only
// shows progress and answers the user. Success means the data is on the output's device: a
// user may pull the stick once the message shows. So that the final sync is short and the page
// cache never holds gigabytes of the cut, write-back of every kWriteBackBytes written is
// started during the copy (write_back.h), and the copy waits while it is more than
// kWriteBackRangesInFlight ranges ahead of the device.
#pragma once

#include "cutting/cut_plan.h"
#include "cutting/disc_filesystem.h"
#include "cutting/sinks.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace cutting {

class Random;

// Bytes copied between two looks at a cancel request and two progress values; chosen by
// measurement (bench_cut with arguments): it costs nothing at tens of MiB, and a cancel still
// comes within a fraction of a second on a slow stick.
inline constexpr std::int64_t kChunkBytes = std::int64_t{32} << 20;
// Written bytes between two write-back starts, and how many started ranges may be unfinished
// before the copy waits for the oldest; chosen by measurement (bench_cut with arguments).
inline constexpr std::int64_t kWriteBackBytes = std::int64_t{64} << 20;
inline constexpr int kWriteBackRangesInFlight = 1;

enum class CutResult {
    Refused,        // a refusal was shown; nothing was opened
    Completed,      // the output is complete and durable; the success message was shown unless
                    // a silent cancel came after the last chunk
    Cancelled,      // stopped on request after a chunk; the output as long as what was written
    AlreadyRunning, // a cut was already running on this job; nothing was done or shown
};

// What the last cut that opened its files found and did.
struct CutReport {
    DiscFileSystem fileSystem;     // the source's, read again at the start of the cut
    std::int64_t bytesWritten = 0; // the output's length
    bool verified = false;         // read back and found to be what was meant
    std::string sha256;            // the output's, in lower-case hex, when verified
};

// Whether a cancelled cut says so: the window's cancel key reports, Quit and close do not.
enum class CancelNotice { Silent, Report };

class CutJob {
  public:
    // The window owns both file objects and keeps them alive while the job runs.
    CutJob(Random& SourceFile, Random& OutputFile) : source_(SourceFile), output_(OutputFile) {}
    CutJob(const CutJob&) = delete;
    CutJob& operator=(const CutJob&) = delete;

    // Runs one cut; returns when it is over, having handled the window's events meanwhile.
    // Errors (qdct::NumberedError: a missing source, a count that is not a number, any failure
    // to open, read, write, sync or close, 45610 for a read-back that differs, 45611 for an
    // output removed during the cut) propagate with number, source and description intact,
    // after both files that the run opened are closed.
    CutResult run(const CutInputs& inputs, ProgressSink& progress, MessageSink& messages,
                  Pump& pump);
    bool isRunning() const { return running_; }
    // The last cut's report, once it has returned (a refused cut leaves it as it was).
    const CutReport& report() const { return report_; }
    // Asks a running cut to stop after its current chunk; ignored when none runs. Once the
    // last chunk is written the cut completes, without the rest of its read-back. A silent
    // request wins over one that reports, and keeps the success message back too.
    void requestCancel(CancelNotice notice = CancelNotice::Silent) {
        if (!running_) return;
        const bool report =
            (cancelRequested_ ? reportCancel_.load() : true) && notice == CancelNotice::Report;
        reportCancel_ = report;
        cancelRequested_ = true;
    }
    // Whether a completed cut is read back and hashed (the default).
    void setVerify(bool verify) { verify_ = verify; }
    // Tuning, for the benchmarks that chose the defaults: the bytes of a chunk, the bytes
    // between write-back starts (0 leaves all write-back to the final sync) and the started
    // ranges that may be unfinished before the copy waits (at least 1).
    void setChunkBytes(std::int64_t bytes) { chunkBytes_ = bytes; }
    void setWriteBack(std::int64_t bytes, int rangesInFlight = kWriteBackRangesInFlight) {
        writeBackBytes_ = bytes;
        rangesInFlight_ = rangesInFlight;
    }

  private:
    // The worker's part: copy, zero tail, length, sync, read-back.
    void work(std::int64_t totalBytes);
    // Copies until totalBytes or a cancel; returns how many bytes came from the source.
    std::int64_t copy(std::int64_t totalBytes);
    void readBack(std::int64_t sourceBytes, std::int64_t totalBytes);

    Random& source_;
    Random& output_;
    bool running_ = false;
    bool verify_ = true;
    std::atomic<bool> cancelRequested_ = false;
    std::atomic<bool> reportCancel_ = false;
    // Shown by the window's thread, written by the worker's.
    std::atomic<std::int64_t> progressBytes_ = 0;
    std::atomic<CutPhase> phase_ = CutPhase::Copying;
    CutReport report_; // written by the worker while it runs
    std::int64_t chunkBytes_ = kChunkBytes;
    std::int64_t writeBackBytes_ = kWriteBackBytes;
    int rangesInFlight_ = kWriteBackRangesInFlight;
};

} // namespace cutting
