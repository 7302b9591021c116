// The cutting job's run: plan, progress range, open, then the worker's copy, sync and
// read-back while the window's thread shows progress, then close and report. Whatever leaves
// the run early stops the worker first and then closes the files that the run opened.
#include "cutting/cut_job.h"

#include "cutting/copy_engine.h"
#include "cutting/cut_messages.h"
#include "cutting/file_error.h"
#include "cutting/random.h"
#include "cutting/read_back.h"
#include "cutting/write_back.h"

#include <array>
#include <exception>
#include <optional>
#include <sys/stat.h>
#include <thread>

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

// The worker thread, stopped and joined however the run ends: the files it works on are
// closed only after it.
class Worker {
  public:
    template <class Work>
    Worker(std::atomic<bool>& cancel, Work&& work)
        : cancel_(cancel), thread_([this, work = std::forward<Work>(work)]() mutable {
              try {
                  work();
              } catch (...) {
                  error_ = std::current_exception();
              }
              finished_ = true;
          }) {}
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;
    ~Worker() {
        if (!thread_.joinable()) return;
        cancel_ = true; // the run is leaving early: stop after the chunk under way
        thread_.join();
    }

    bool finished() const { return finished_; }
    // Waits for the worker and raises what it raised.
    void join() {
        thread_.join();
        if (error_) std::rethrow_exception(error_);
    }

  private:
    std::atomic<bool>& cancel_;
    std::atomic<bool> finished_ = false;
    std::exception_ptr error_;
    std::thread thread_; // last: starts once everything above is set
};

CopySide sideOf(const Random& file) {
    return {file.FileHandle(), file.FileName()};
}

// Whether the output can be read back: a file or a disk, not a character device like
// /dev/null that gives back nothing of what it took.
bool readable(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && (S_ISREG(st.st_mode) || S_ISBLK(st.st_mode));
}

} // namespace

CutResult CutJob::run(const CutInputs& inputs, ProgressSink& progress, MessageSink& messages,
                      Pump& pump) {
    if (running_) return CutResult::AlreadyRunning;
    const RunningFlag running(running_);
    cancelRequested_ = false;
    reportCancel_ = false;

    const CutPlan plan = planCut(inputs);
    if (!plan.refusal.empty()) {
        messages.show(plan.refusal, kRefusalTitle, {});
        return CutResult::Refused;
    }
    const auto totalBytes = static_cast<std::int64_t>(plan.TotalBytes);

    progress.setMin(0);
    progress.setMax(plan.TotalBytes);
    progress.setValue(0);
    progressBytes_ = 0;
    phase_ = CutPhase::Copying;

    OpenedFiles files;
    files.openRead(source_, inputs.txtSrc);
    report_ = CutReport();
    report_.fileSystem = readDiscFileSystem(source_.FileHandle());
    files.openWrite(output_, inputs.TxtDest);
    {
        Worker worker(cancelRequested_, [&] { work(totalBytes); });
        CutPhase shown = CutPhase::Copying;
        pump.waitFor([&] { return worker.finished(); },
                     [&] {
                         if (const CutPhase now = phase_; now != shown) {
                             shown = now;
                             progress.setPhase(now);
                         }
                         progress.setValue(static_cast<double>(progressBytes_.load()));
                     });
        worker.join();
    }
    files.closeAll();
    if (report_.bytesWritten < totalBytes) {
        if (reportCancel_)
            messages.show(cancelledText(static_cast<double>(report_.bytesWritten), plan.TotalBytes),
                          kRefusalTitle, {});
        return CutResult::Cancelled;
    }
    // Quit or close during the sync or the read-back: the cut is complete, and silent.
    if (cancelRequested_ && !reportCancel_) return CutResult::Completed;
    messages.show(kSuccessText, kSuccessTitle, completionDetails(report_.sha256));
    return CutResult::Completed;
}

void CutJob::work(std::int64_t totalBytes) {
    const std::int64_t sourceBytes = copy(totalBytes);
    if (report_.bytesWritten < totalBytes) return;
    output_.SyncData();
    // A cut into a file whose last name went is a cut nobody can use: not a success.
    struct stat st {};
    if (::fstat(output_.FileHandle(), &st) == 0 && st.st_nlink == 0)
        throw qdct::NumberedError(errnum::kOutputRemoved, kJobErrorSource, kOutputRemovedText);
    if (verify_ && !cancelRequested_ && readable(output_.FileHandle()))
        readBack(sourceBytes, totalBytes);
}

std::int64_t CutJob::copy(std::int64_t totalBytes) {
    CopyEngine engine(sideOf(source_), sideOf(output_));
    std::optional<WriteBack> writeBack;
    if (writeBackBytes_ > 0)
        writeBack.emplace(output_.FileHandle(), writeBackBytes_, rangesInFlight_);
    // Waits while the device is too far behind; raises the write-back's failure.
    const auto keepUp = [&] {
        while (writeBack->waitFor(kProgressTick)) {
        }
        if (const int code = writeBack->error(); code != 0)
            throw qdct::NumberedError(
                errnum::kFlushFailed, kFileErrorSource,
                describeFileError(errnum::kFlushFailed, output_.FileName(), code));
    };
    std::int64_t& written = report_.bytesWritten;
    std::int64_t sourceBytes = 0;
    bool sourceEnded = false;
    while (written < totalBytes && !cancelRequested_) {
        const std::int64_t chunk = std::min(chunkBytes_, totalBytes - written);
        if (!sourceEnded) {
            const std::int64_t n = engine.copy(written, chunk);
            sourceEnded = n < chunk;
            written += n;
            sourceBytes = written;
        } else {
            engine.fillZeros(written, written + chunk);
            written += chunk;
        }
        progressBytes_ = written;
        if (writeBack && writeBack->written(written)) keepUp();
    }
    // A cancelled cut must not leave a file as long as a finished one, and an older output
    // may be longer than this cut: either way the output ends where the writing stopped.
    engine.setLength(written);
    if (writeBack && written >= totalBytes) {
        writeBack->finish();
        keepUp();
    }
    return sourceBytes;
}

void CutJob::readBack(std::int64_t sourceBytes, std::int64_t totalBytes) {
    ReadBack check(sideOf(source_), sideOf(output_), sourceBytes, totalBytes);
    progressBytes_ = 0;
    phase_ = CutPhase::Verifying;
    while (!check.done()) {
        if (cancelRequested_) return; // the cut is complete; only the proof is skipped
        progressBytes_ = check.step();
    }
    report_.verified = true;
    report_.sha256 = check.sha256();
}

} // namespace cutting
