// The cutting job's run: plan, progress range, open, copy block by block, set the output's
// length, close, report. Whatever leaves the run early closes the files that it opened.
#include "cutting/cut_job.h"

#include "cutting/cut_messages.h"
#include "cutting/random.h"

#include <array>

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
    if (copy(plan.TotalBytes, progress, pump) == CutResult::Cancelled) return CutResult::Cancelled;

    // An existing output may be longer than this cut: its old bytes must not remain.
    output_.SetEndOfFile();
    files.closeAll();
    messages.show(kSuccessText, kSuccessTitle);
    return CutResult::Completed;
}

CutResult CutJob::copy(double TotalBytes, ProgressSink& progress, Pump& pump) {
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
        pump.processPendingMessages();
        if (cancelRequested_) return CutResult::Cancelled;
    }
    return CutResult::Completed;
}

} // namespace cutting
