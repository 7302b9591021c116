// The cutting job's run: plan, progress range, open, copy block by block, set the output's
// length, close, report. Whatever leaves the run early closes the files that it opened.
#include "cutting/cut_job.h"

#include "cutting/cut_messages.h"
#include "cutting/file_error.h"
#include "cutting/random.h"
#include "cutting/write_back.h"

#include <array>
#include <future>
#include <optional>

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
    waitPumping(pump, [this] { output_.SyncData(); });
    files.closeAll();
    messages.show(kSuccessText, kSuccessTitle);
    return CutResult::Completed;
}

double CutJob::copy(double TotalBytes, ProgressSink& progress, Pump& pump) {
    std::optional<WriteBack> writeBack;
    if (writeBackBytes_ > 0)
        writeBack.emplace(output_.FileHandle(), writeBackBytes_, rangesInFlight_);
    // Waits, handling the window's events, while the device is too far behind; raises the
    // write-back's failure.
    const auto keepUp = [&] {
        while (writeBack->waitFor(kSyncPumpInterval)) pump.processPendingMessages();
        if (const int code = writeBack->error(); code != 0)
            throw qdct::NumberedError(
                errnum::kFlushFailed, kFileErrorSource,
                describeFileError(errnum::kFlushFailed, output_.FileName(), code));
    };
    double CopiedBytes = 0;
    while (CopiedBytes < TotalBytes) {
        const double remaining = TotalBytes - CopiedBytes;
        // TotalBytes is whole (planCut refuses anything else), so the last block is exact.
        const std::int32_t n =
            remaining > kBlockBytes ? kBlockBytes : static_cast<std::int32_t>(remaining);
        const std::vector<std::uint8_t> block = source_.ReadBytes(n);
        CopiedBytes += n;
        progress.setValue(CopiedBytes);
        output_.WriteBytes(block);
        if (writeBack && writeBack->written(static_cast<std::int64_t>(CopiedBytes))) keepUp();
        pump.processPendingMessages();
        if (cancelRequested_) break;
    }
    if (writeBack && CopiedBytes >= TotalBytes) {
        writeBack->finish();
        keepUp();
    }
    return CopiedBytes;
}

template <class Action>
void CutJob::waitPumping(Pump& pump, Action&& action) {
    // The output is not touched by this thread until the action is done: the window's
    // handlers that the pump runs only ask for a cancel, which is looked at after the block.
    std::future<void> done = std::async(std::launch::async, std::forward<Action>(action));
    while (done.wait_for(kSyncPumpInterval) != std::future_status::ready)
        pump.processPendingMessages();
    done.get(); // raises the action's error, if any
}

} // namespace cutting
