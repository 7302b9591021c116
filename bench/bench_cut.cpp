// How the cutting job compares with what a user would run instead. In one run, alternating so
// that every side sees the same machine state:
// - the job's durable cut of the first 1 GiB of a cached source (read-back off) against
//   `dd bs=4M conv=notrunc,fdatasync` doing the same: the device's pace is the floor of both;
// - the job's read-back of that synced output (compare and SHA-256, cache dropped first)
//   against `cmp` followed by `sha256sum`, each from the same cache state;
// - as root with mkfs.xfs and mkfs.btrfs, a 4.4 GiB cut on loop-mounted XFS (reflink) and
//   btrfs, where the job shares the source's blocks, against `cp --reflink=always`,
//   `truncate` and `sync`: seconds, the extra space the output took, and the ratio.
// It prints the medians, each side's final sync, and last the ratio of the cut to dd.
//
// Usage: bench_cut [chunk:MIB...] [MIBxRANGES...]: with arguments, first times the job for
// each chunk of MIB MiB, and for each write-back setting of MIB MiB with RANGES ranges in
// flight (0x1: none), which is how kChunkBytes, kWriteBackBytes and kWriteBackRangesInFlight
// were chosen.
#include "common/temp_files.h"
#include "copy_peer.h"
#include "cow_mounts.h"
#include "cutting/cut_job.h"
#include "cutting/presets.h"
#include "cutting/random.h"
#include "cutting/read_back.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::int64_t kCopyBytes = std::int64_t{1} << 30;
constexpr int kRuns = 5;
constexpr std::int64_t kPresetSectors = cutting::kPresets[0].sectors; // Option1
constexpr std::int64_t kPresetBytes = kPresetSectors * cutting::kSectorBytes;

// Notes when the copy's last byte is shown, and nothing else.
class LastChunkProgress : public cutting::ProgressSink {
  public:
    explicit LastChunkProgress(bench::LastBlockClock& clock) : clock_(clock) {}
    void setMin(double) override {}
    void setMax(double value) override { max_ = value; }
    void setValue(double value) override {
        if (value >= max_ && !marked_) {
            clock_.mark();
            marked_ = true;
        }
    }

  private:
    bench::LastBlockClock& clock_;
    double max_ = 0;
    bool marked_ = false;
};

class PrintedMessages : public cutting::MessageSink {
  public:
    void show(const std::string& text, const std::string& title, const std::string&) override {
        last = title + ": " + text;
    }
    std::string last;
};

// Waits as a window without events would: a tick every kProgressTick.
class SleepingPump : public cutting::Pump {
  public:
    void waitFor(const std::function<bool()>& finished,
                 const std::function<void()>& tick) override {
        while (!finished()) {
            tick();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        tick();
    }
};

struct Tuning {
    std::int64_t chunkBytes = cutting::kChunkBytes;
    std::int64_t writeBackBytes = cutting::kWriteBackBytes;
    int rangesInFlight = cutting::kWriteBackRangesInFlight;
};

struct JobTimes {
    double total = 0;
    double sync = 0;
};

// The job's durable cut of `bytes` (read-back off) from src into dst.
JobTimes runJob(const std::string& src, const std::string& dst, std::int64_t bytes,
                const Tuning& tuning = {}) {
    cutting::Random SourceFile, OutputFile;
    cutting::CutJob job(SourceFile, OutputFile);
    job.setVerify(false);
    job.setChunkBytes(tuning.chunkBytes);
    job.setWriteBack(tuning.writeBackBytes, tuning.rangesInFlight);
    cutting::CutInputs in;
    in.txtSrc = src;
    in.TxtDest = dst;
    in.Text1 = in.Label2 = std::to_string(kPresetSectors);
    in.Text3 = std::to_string(bytes / cutting::kSectorBytes - kPresetSectors);
    bench::LastBlockClock lastChunk;
    LastChunkProgress progress(lastChunk);
    PrintedMessages messages;
    SleepingPump pump;
    JobTimes times;
    times.total = bench::seconds([&] {
        if (job.run(in, progress, messages, pump) != cutting::CutResult::Completed)
            throw std::runtime_error("the cut did not complete: " + messages.last);
    });
    times.sync = lastChunk.secondsSince();
    if (std::filesystem::file_size(dst) != static_cast<std::uintmax_t>(bytes))
        throw std::runtime_error("the output has the wrong size");
    return times;
}

// The job's read-back of a synced output, cache dropped as a cut drops it.
double readBackSeconds(const std::string& src, const std::string& dst) {
    const cutting::UniqueFd in(::open(src.c_str(), O_RDONLY | O_CLOEXEC));
    const cutting::UniqueFd out(::open(dst.c_str(), O_RDONLY | O_CLOEXEC));
    return bench::seconds([&] {
        cutting::ReadBack check({in.get(), src}, {out.get(), dst}, kCopyBytes, kCopyBytes);
        while (!check.done()) check.step();
    });
}

// The job's median seconds for each chunk ("chunk:MIB") or write-back ("MIBxRANGES") setting.
void sweep(const std::string& src, const std::string& dst, int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string setting = argv[i];
        Tuning tuning;
        if (setting.rfind("chunk:", 0) == 0) {
            tuning.chunkBytes = std::stoll(setting.substr(6)) << 20;
        } else {
            tuning.writeBackBytes = std::stoll(setting) << 20;
            const std::size_t x = setting.find('x');
            tuning.rangesInFlight = x == setting.npos ? 1 : std::stoi(setting.substr(x + 1));
        }
        std::vector<double> total, sync;
        for (int run = -1; run < kRuns; ++run) {
            const JobTimes t = runJob(src, dst, kCopyBytes, tuning);
            if (run < 0) continue;
            total.push_back(t.total);
            sync.push_back(t.sync);
        }
        std::printf("%s: job median %.3f s, sync %.3f s\n", argv[i], bench::median(total),
                    bench::median(sync));
    }
}

// The 4.4 GiB cut on each copy-on-write file system against cp --reflink, or why not.
void cowRuns(const std::string& folder) {
    if (const std::string why = bench::cowSkipReason(); !why.empty()) {
        std::printf("copy-on-write runs skipped: %s\n", why.c_str());
        return;
    }
    for (const bench::CowFileSystem& fs : bench::kCowFileSystems) {
        const bench::CowMount mount(fs, folder);
        const std::string src = mount.file("source.iso"), dst = mount.file("output.iso"),
                          peer = mount.file("peer.iso");
        bench::makeCachedSource(src, kPresetBytes, kPresetBytes);
        std::vector<double> cut, cp;
        std::int64_t extra = 0;
        for (int run = 0; run < 3; ++run) {
            std::filesystem::remove(dst);
            std::filesystem::remove(peer);
            const std::int64_t before = mount.usedBytes();
            cut.push_back(runJob(src, dst, kPresetBytes).total);
            extra = std::max(extra, mount.usedBytes() - before);
            cp.push_back(bench::seconds([&] {
                bench::runTool({"cp", "--reflink=always", src, peer});
                bench::runTool({"truncate", "-s", std::to_string(kPresetBytes), peer});
                bench::runTool({"sync", peer});
            }));
        }
        const double cutMedian = bench::median(cut);
        std::printf("%s: cut 4.4 GiB seconds %.3f, extra MiB %lld, ratio cut/cp-reflink %.2f\n",
                    fs.name, cutMedian, static_cast<long long>(extra >> 20),
                    cutMedian / bench::median(cp));
    }
}

} // namespace

int main(int argc, char** argv) {
    try {
        const qdct::test::TempDir dir("bench-cut");
        const std::string src = dir.file("source.iso");
        const std::string dst = dir.file("output.iso");
        bench::makeCachedSource(src, kCopyBytes + (std::int64_t{1} << 20), 0);

        if (argc > 1) sweep(src, dst, argc, argv);

        std::vector<double> dd, ddSync, job, jobSync, verify, check;
        for (int run = -1; run < kRuns; ++run) { // run -1 warms up and is not counted
            const double d = bench::seconds([&] { bench::runDd(src, dst, kCopyBytes); });
            const double ds = bench::ddSyncSeconds(src, dst, kCopyBytes);
            const JobTimes j = runJob(src, dst, kCopyBytes);
            const double v = readBackSeconds(src, dst);
            const double c = bench::cmpAndSha256sumSeconds(src, dst, kCopyBytes);
            if (run < 0) continue;
            dd.push_back(d);
            ddSync.push_back(ds);
            job.push_back(j.total);
            jobSync.push_back(j.sync);
            verify.push_back(v);
            check.push_back(c);
        }
        cowRuns(dir.file(""));

        const double ddMedian = bench::median(dd), jobMedian = bench::median(job);
        std::printf("copy: 1 GiB, durable, %d runs each\n", kRuns);
        std::printf("dd bs=4M median: %.3f s\n", ddMedian);
        std::printf("cut median: %.3f s (chunks of %lld MiB)\n", jobMedian,
                    static_cast<long long>(cutting::kChunkBytes >> 20));
        std::printf("sync seconds: cut %.3f, dd %.3f\n", bench::median(jobSync),
                    bench::median(ddSync));
        std::printf("read-back median: %.3f s, cmp+sha256sum median: %.3f s\n",
                    bench::median(verify), bench::median(check));
        std::printf("ratio verify/cmp+sha256sum: %.2f\n",
                    bench::median(verify) / bench::median(check));
        std::printf("ratio cut/dd-4M: %.2f\n", jobMedian / ddMedian);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_cut: %s\n", e.what());
        return 1;
    }
    return 0;
}
