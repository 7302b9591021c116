// How much the cutting job costs over a plain block copy. In one run, alternating so that both
// see the same machine state, it times the job copying the first 1 GiB of a cached source
// into a synced output (null progress sink, empty pump) against `dd bs=4096
// conv=notrunc,fdatasync` doing the same, the job again with a real event-loop pass per block
// as the window runs it, and the job without its periodic write-back, to show what that costs
// or saves. It prints the median seconds of each, how long the final sync took on each side
// and, last, the ratio of the job to dd.
//
// Usage: bench_cut [MIBxRANGES...]: with arguments, first times the job for each write-back
// chunk of MIB MiB with RANGES ranges in flight (0x1: none), which is how kWriteBackBytes and
// kWriteBackRangesInFlight were chosen.
#include "common/temp_files.h"
#include "copy_peer.h"
#include "cutting/cut_job.h"
#include "cutting/presets.h"
#include "cutting/random.h"

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kCopyBytes = std::int64_t{1} << 30;
constexpr std::int64_t kBlocks = kCopyBytes / cutting::kBlockBytes;
constexpr int kRuns = 5;
constexpr std::int64_t kPresetSectors = cutting::kPresets[0].sectors; // Option1

// Notes when the last block's progress comes, and nothing else.
class LastBlockProgress : public cutting::ProgressSink {
  public:
    explicit LastBlockProgress(bench::LastBlockClock& clock) : clock_(clock) {}
    void setMin(double) override {}
    void setMax(double value) override { max_ = value; }
    void setValue(double value) override {
        if (value >= max_) clock_.mark();
    }

  private:
    bench::LastBlockClock& clock_;
    double max_ = 0;
};

class PrintedMessages : public cutting::MessageSink {
  public:
    void show(const std::string& text, const std::string& title) override {
        last = title + ": " + text;
    }
    std::string last;
};

class EmptyPump : public cutting::Pump {
  public:
    void processPendingMessages() override {}
};

class EventLoopPump : public cutting::Pump {
  public:
    void processPendingMessages() override { QCoreApplication::processEvents(); }
};

struct JobTimes {
    double total = 0;
    double sync = 0;
};

JobTimes runJob(const std::string& src, const std::string& dst, cutting::Pump& pump,
                std::int64_t writeBackBytes = cutting::kWriteBackBytes,
                int rangesInFlight = cutting::kWriteBackRangesInFlight) {
    cutting::Random SourceFile, OutputFile;
    cutting::CutJob job(SourceFile, OutputFile);
    job.setWriteBack(writeBackBytes, rangesInFlight);
    cutting::CutInputs in;
    in.txtSrc = src;
    in.TxtDest = dst;
    in.Text1 = in.Label2 = std::to_string(kPresetSectors);
    in.Text3 = std::to_string(kCopyBytes / cutting::kSectorBytes - kPresetSectors);
    bench::LastBlockClock lastBlock;
    LastBlockProgress progress(lastBlock);
    PrintedMessages messages;
    JobTimes times;
    times.total = bench::seconds([&] {
        if (job.run(in, progress, messages, pump) != cutting::CutResult::Completed)
            throw std::runtime_error("the cut did not complete: " + messages.last);
    });
    times.sync = lastBlock.secondsSince();
    return times;
}

void checkOutput(const std::string& dst) {
    if (std::filesystem::file_size(dst) != static_cast<std::uintmax_t>(kCopyBytes))
        throw std::runtime_error("the output is not 1 GiB");
}

// The job's median seconds and final sync for each "MIBxRANGES" write-back setting.
void sweepChunks(const std::string& src, const std::string& dst, int argc, char** argv) {
    EmptyPump pump;
    for (int i = 1; i < argc; ++i) {
        const std::string setting = argv[i];
        const std::int64_t chunk = std::stoll(setting) << 20;
        const std::size_t x = setting.find('x');
        const int ranges = x == setting.npos ? 1 : std::stoi(setting.substr(x + 1));
        std::vector<double> total, sync;
        for (int run = -1; run < kRuns; ++run) {
            const JobTimes t = runJob(src, dst, pump, chunk, ranges);
            checkOutput(dst);
            if (run < 0) continue;
            total.push_back(t.total);
            sync.push_back(t.sync);
        }
        std::printf("write-back %s (MiB x ranges): job median %.3f s, sync %.3f s\n", argv[i],
                    bench::median(total), bench::median(sync));
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        const qdct::test::TempDir dir("bench-cut");
        const std::string src = dir.file("source.iso");
        const std::string dst = dir.file("output.iso");
        bench::makeCachedSource(src, kCopyBytes + (std::int64_t{1} << 20), 0);

        if (argc > 1) sweepChunks(src, dst, argc, argv);

        EmptyPump emptyPump;
        EventLoopPump eventPump;
        std::vector<double> dd, ddSync, job, jobSync, jobPump, plain, plainSync;
        for (int run = -1; run < kRuns; ++run) { // run -1 warms up and is not counted
            const double d = bench::seconds([&] { bench::runDd(src, dst, kBlocks); });
            const double ds = bench::ddSyncSeconds(src, dst, kBlocks);
            const JobTimes j = runJob(src, dst, emptyPump);
            const JobTimes p = runJob(src, dst, eventPump);
            const JobTimes n = runJob(src, dst, emptyPump, 0);
            checkOutput(dst);
            if (run < 0) continue;
            dd.push_back(d);
            ddSync.push_back(ds);
            job.push_back(j.total);
            jobSync.push_back(j.sync);
            jobPump.push_back(p.total);
            plain.push_back(n.total);
            plainSync.push_back(n.sync);
        }

        const double ddMedian = bench::median(dd), jobMedian = bench::median(job),
                     pumpMedian = bench::median(jobPump), plainMedian = bench::median(plain);
        std::printf("copy: %lld blocks of %d bytes (1 GiB), %d runs each\n",
                    static_cast<long long>(kBlocks), cutting::kBlockBytes, kRuns);
        std::printf("dd median: %.3f s\n", ddMedian);
        std::printf("job median: %.3f s\n", jobMedian);
        std::printf("job+pump median: %.3f s\n", pumpMedian);
        std::printf("job without write-back median: %.3f s (sync %.3f s)\n", plainMedian,
                    bench::median(plainSync));
        std::printf("write-back every %lld MiB, %d in flight: %+.3f s over the whole cut, "
                    "%+.3f s of final sync\n",
                    static_cast<long long>(cutting::kWriteBackBytes >> 20),
                    cutting::kWriteBackRangesInFlight, jobMedian - plainMedian,
                    bench::median(jobSync) - bench::median(plainSync));
        std::printf("event pass: %.2f us per block (job+pump - job)\n",
                    (pumpMedian - jobMedian) / kBlocks * 1e6);
        std::printf("sync seconds: job %.3f, dd %.3f\n", bench::median(jobSync),
                    bench::median(ddSync));
        std::printf("ratio job+pump/dd: %.2f\n", pumpMedian / ddMedian);
        std::printf("ratio job/dd: %.2f\n", jobMedian / ddMedian);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_cut: %s\n", e.what());
        return 1;
    }
    return 0;
}
