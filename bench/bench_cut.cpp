// How much the cutting job costs over a plain block copy. In one run, alternating so that both
// see the same machine state, it times the job copying the first 1 GiB of a cached source
// (null progress sink, empty pump) against `dd bs=4096 conv=notrunc` doing the same, and the
// job again with a real event-loop pass per block as the window runs it. It prints the median
// seconds of each and, last, the ratio of the job to dd.
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

class NullProgress : public cutting::ProgressSink {
  public:
    void setMin(double) override {}
    void setMax(double) override {}
    void setValue(double) override {}
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

void runJob(const std::string& src, const std::string& dst, cutting::Pump& pump) {
    cutting::Random SourceFile, OutputFile;
    cutting::CutJob job(SourceFile, OutputFile);
    cutting::CutInputs in;
    in.txtSrc = src;
    in.TxtDest = dst;
    in.Text1 = in.Label2 = std::to_string(kPresetSectors);
    in.Text3 = std::to_string(kCopyBytes / cutting::kSectorBytes - kPresetSectors);
    NullProgress progress;
    PrintedMessages messages;
    if (job.run(in, progress, messages, pump) != cutting::CutResult::Completed)
        throw std::runtime_error("the cut did not complete: " + messages.last);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        const qdct::test::TempDir dir("bench-cut");
        const std::string src = dir.file("source.iso");
        const std::string dst = dir.file("output.iso");
        bench::makeCachedSource(src, kCopyBytes + (std::int64_t{1} << 20), 0);

        EmptyPump emptyPump;
        EventLoopPump eventPump;
        std::vector<double> dd, job, jobPump;
        for (int run = -1; run < kRuns; ++run) { // run -1 warms up and is not counted
            const double d = bench::seconds([&] { bench::runDd(src, dst, kBlocks); });
            bench::settle(dst);
            const double j = bench::seconds([&] { runJob(src, dst, emptyPump); });
            bench::settle(dst);
            const double p = bench::seconds([&] { runJob(src, dst, eventPump); });
            bench::settle(dst);
            if (std::filesystem::file_size(dst) != static_cast<std::uintmax_t>(kCopyBytes))
                throw std::runtime_error("the output is not 1 GiB");
            if (run < 0) continue;
            dd.push_back(d);
            job.push_back(j);
            jobPump.push_back(p);
        }

        const double ddMedian = bench::median(dd), jobMedian = bench::median(job),
                     pumpMedian = bench::median(jobPump);
        std::printf("copy: %lld blocks of %d bytes (1 GiB), %d runs each\n",
                    static_cast<long long>(kBlocks), cutting::kBlockBytes, kRuns);
        std::printf("dd median: %.3f s\n", ddMedian);
        std::printf("job median: %.3f s\n", jobMedian);
        std::printf("job+pump median: %.3f s\n", pumpMedian);
        std::printf("event pass: %.2f us per block (job+pump - job)\n",
                    (pumpMedian - jobMedian) / kBlocks * 1e6);
        std::printf("ratio job+pump/dd: %.2f\n", pumpMedian / ddMedian);
        std::printf("ratio job/dd: %.2f\n", jobMedian / ddMedian);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_cut: %s\n", e.what());
        return 1;
    }
    return 0;
}
