// The cutting job's run: plan, progress range, open, copy block by block, set the output's
// length, close, report. Whatever leaves the run early closes the files that it opened.
#include "cutting/cut_job.h"

#include "cutting/cut_messages.h"
#include "cutting/random.h"

#include <array>
#include <future>

namespace cutting {

namespace {

// Closes, on every way out of a run, the files that the run opened: an error that is on its
// way to the window must not leave the output locked.
class OpenedFiles {
  public:
    OpenedFiles() = default;
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;
    ~OpenedFiles() {
        for (Random* file : files_) {
            if (file == nullptr || !file->IsOpen()) continue;
            try {
                file->CloseFile();
            } catch (...) {
                // The error already on its way out is the one to report.
            }
        }
    }

    void openRead(Random& file, const std::string& path) {
        file.OpenFileRead(path);
        files_[count_++] = &file;
    }
    void openWrite(Random& file, const std::string& path) {
        file.OpenFile(path);
        files_[count_++] = &file;
    }
    // Closes in opening order, raising the first close error (the rest still get closed).
    void closeAll() {
        for (Random* file : files_)
            if (file != nullptr && file->IsOpen()) file->CloseFile();
    }

  private:
    std::array<Random*, 2> files_{};
    std::size_t count_ = 0;
};

// Clears the running flag however the run ends.
class RunningFlag {
  public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;
    ~RunningFlag() { flag_ = false; }

  private:
    bool& flag_;
};

} // namespace

CutResult CutJob::run(const CutInputs& inputs, ProgressSink& progress, MessageSink& messages,
                      Pump& pump) {
    if (running_) return CutResult::AlreadyRunning;
    const RunningFlag running(running_);
    cancelRequested_ = false;

    const CutPlan plan = planCut(inputs);
    if (!plan.refusal.empty()) {
        messages.show(plan.refusal, kRefusalTitle);
        return CutResult::Refused;
    }

    progress.setMin(0);
    progress.setMax(plan.TotalBytes);
    progress.setValue(0);

    OpenedFiles files;
    files.openRead(source_, inputs.txtSrc);
    files.openWrite(output_, inputs.TxtDest);
    const double written = copy(plan.TotalBytes, progress, pump);
    // An existing output may be longer than this cut, and a cancelled cut must not leave a
    // file as long as a finished one: the output ends where the writing stopped.
    output_.SetEndOfFile();
    // A cancel that came after the last block was written is too late to undo anything.
    if (written < plan.TotalBytes) {
        files.closeAll();
        if (reportCancel_) messages.show(cancelledText(written, plan.TotalBytes), kRefusalTitle);
        return CutResult::Cancelled;
    }
    syncOutput(pump);
    files.closeAll();
    messages.show(kSuccessText, kSuccessTitle);
    return CutResult::Completed;
}

double CutJob::copy(double TotalBytes, ProgressSink& progress, Pump& pump) {
    double CopiedBytes = 0;
    std::int64_t startedUpTo = 0; // write-back is started for the bytes before this
    std::int64_t previousStart = -1;
    while (CopiedBytes < TotalBytes) {
        const double remaining = TotalBytes - CopiedBytes;
        // TotalBytes is whole (planCut refuses anything else), so the last block is exact.
        const std::int32_t n =
            remaining > kBlockBytes ? kBlockBytes : static_cast<std::int32_t>(remaining);
        const std::vector<std::uint8_t> block = source_.ReadBytes(n);
        CopiedBytes += n;
        progress.setValue(CopiedBytes);
        output_.WriteBytes(block);
        const auto written = static_cast<std::int64_t>(CopiedBytes);
        if (writeBackBytes_ > 0 && written - startedUpTo >= writeBackBytes_) {
            // Start this range, then wait for the one before: the copy runs at most one range
            // ahead of the device, and the final sync has at most two ranges left to write.
            output_.StartWriteBack(startedUpTo, written - startedUpTo);
            if (previousStart >= 0)
                output_.AwaitWriteBack(previousStart, startedUpTo - previousStart);
            previousStart = startedUpTo;
            startedUpTo = written;
        }
        pump.processPendingMessages();
        if (cancelRequested_) break;
    }
    return CopiedBytes;
}

void CutJob::syncOutput(Pump& pump) {
    // The output is not touched by this thread until the sync is done: the window's handlers
    // that the pump runs only ask for a cancel, which a written cut ignores.
    std::future<void> sync = std::async(std::launch::async, [this] { output_.SyncData(); });
    while (sync.wait_for(kSyncPumpInterval) != std::future_status::ready)
        pump.processPendingMessages();
    sync.get(); // raises the sync's error, if any
}

} // namespace cutting
