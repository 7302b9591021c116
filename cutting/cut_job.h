// The cutting job: writes the first TotalBytes bytes of the source image into the output,
// zero bytes past the source's end, in blocks of at most 4096 bytes, reporting progress and
// letting the window handle its events after every block. It knows no widgets: the window
// hands it the control values, a progress sink, a message sink and a pump.
//
//   refusals (titled "info") ... progress 0..TotalBytes ... open source (shared read)
//   open output (exclusive) ... [read 4096 | progress | write | pump | cancel?] ...
//   output length = TotalBytes ... close source, close output ... "Process Successfully!!!"
#pragma once

#include "cutting/cut_plan.h"
#include "cutting/sinks.h"

#include <cstdint>

namespace cutting {

class Random;

inline constexpr std::int32_t kBlockBytes = 4096;

enum class CutResult {
    Refused,        // a refusal was shown; nothing was opened
    Completed,      // the output is complete and the success message was shown
    Cancelled,      // stopped on request after a block; both files closed, nothing shown
    AlreadyRunning, // a cut was already running on this job; nothing was done or shown
};

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
    // Asks a running cut to stop after its current block; ignored when none runs.
    void requestCancel() {
        if (running_) cancelRequested_ = true;
    }

  private:
    CutResult copy(double TotalBytes, ProgressSink& progress, Pump& pump);

    Random& source_;
    Random& output_;
    bool running_ = false;
    bool cancelRequested_ = false;
};

} // namespace cutting
