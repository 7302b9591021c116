// How much the cutting job costs over a plain block copy. In one run, alternating so that both
// see the same machine state, it times the job copying the first 1 GiB of a cached source
// (null progress sink, empty pump) against `dd bs=4096 conv=notrunc` doing the same, and the
// job again with a real event-loop pass per block as the window runs it. It prints the median
// seconds of each and, last, the ratio of the job to dd.
#include "common/temp_files.h"
#include "cutting/cut_job.h"
#include "cutting/presets.h"
#include "cutting/random.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr std::int64_t kCopyBytes = std::int64_t{1} << 30;
constexpr std::int64_t kBlocks = kCopyBytes / cutting::kBlockBytes;
constexpr int kRuns = 5;
constexpr std::int64_t kPresetSectors = 2297888; // Option1

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

// Writes `bytes` of non-zero data and commits it, so that the source is cached and clean.
void makeSource(const std::string& path, std::int64_t bytes) {
    const cutting::UniqueFd fd(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    std::vector<char> chunk(1 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>(i * 7 + 1);
    for (std::int64_t done = 0; done < bytes; done += std::ssize(chunk))
        if (::write(fd.get(), chunk.data(), chunk.size()) != std::ssize(chunk))
            throw std::runtime_error("cannot write the source");
    ::fdatasync(fd.get());
}

// Commits the output between runs, so that every run writes into clean cached pages.
void settle(const std::string& path) {
    const cutting::UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.valid()) ::fdatasync(fd.get());
}

double seconds(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void runDd(const std::string& src, const std::string& dst) {
    std::vector<std::string> args = {
        "dd",           "if=" + src,  "of=" + dst, "bs=4096", "count=" + std::to_string(kBlocks),
        "conv=notrunc", "status=none"};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawnp(&pid, "dd", nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start dd");
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("dd failed");
}

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

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    try {
        const qdct::test::TempDir dir("bench-cut");
        const std::string src = dir.file("source.iso");
        const std::string dst = dir.file("output.iso");
        makeSource(src, kCopyBytes + (std::int64_t{1} << 20));

        EmptyPump emptyPump;
        EventLoopPump eventPump;
        std::vector<double> dd, job, jobPump;
        for (int run = -1; run < kRuns; ++run) { // run -1 warms up and is not counted
            const double d = seconds([&] { runDd(src, dst); });
            settle(dst);
            const double j = seconds([&] { runJob(src, dst, emptyPump); });
            settle(dst);
            const double p = seconds([&] { runJob(src, dst, eventPump); });
            settle(dst);
            if (std::filesystem::file_size(dst) != static_cast<std::uintmax_t>(kCopyBytes))
                throw std::runtime_error("the output is not 1 GiB");
            if (run < 0) continue;
            dd.push_back(d);
            job.push_back(j);
            jobPump.push_back(p);
        }

        const double ddMedian = median(dd), jobMedian = median(job), pumpMedian = median(jobPump);
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
