// What the copy benchmarks share: a cached source to copy, `dd` as the peer measured in the
// same run, and the timing and median arithmetic, so that the job and the window are both
// measured against exactly the same copy. A cut ends with its output on the device, so the
// peer syncs too (`conv=fdatasync`), and how long each side's final sync takes is measured
// apart: for dd by a copy without the sync, then the same fdatasync that dd would make.
#pragma once

#include "cutting/cut_job.h"
#include "cutting/unique_fd.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace bench {

// Writes dataBytes of non-zero data, then extends the file with a hole to totalBytes (when
// larger), and commits it, so that the source is cached and clean.
inline void makeCachedSource(const std::string& path, std::int64_t dataBytes,
                             std::int64_t totalBytes) {
    const cutting::UniqueFd fd(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    std::vector<char> chunk(1 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>(i * 7 + 1);
    for (std::int64_t done = 0; done < dataBytes; done += std::ssize(chunk))
        if (::write(fd.get(), chunk.data(), chunk.size()) != std::ssize(chunk))
            throw std::runtime_error("cannot write the source");
    if (totalBytes > dataBytes && ::ftruncate(fd.get(), totalBytes) != 0)
        throw std::runtime_error("cannot size the source");
    ::fdatasync(fd.get());
}

// Commits the output between runs, so that every run writes into clean cached pages.
inline void settle(const std::string& path) {
    const cutting::UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.valid()) ::fdatasync(fd.get());
}

inline double seconds(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The peer: `dd if=src of=dst bs=4096 count=blocks conv=notrunc,fdatasync`, in the job's block
// size; without `fdatasync` when `sync` is false.
inline void runDd(const std::string& src, const std::string& dst, std::int64_t blocks,
                  bool sync = true) {
    std::vector<std::string> args = {"dd",
                                     "if=" + src,
                                     "of=" + dst,
                                     "bs=" + std::to_string(cutting::kBlockBytes),
                                     "count=" + std::to_string(blocks),
                                     sync ? "conv=notrunc,fdatasync" : "conv=notrunc",
                                     "status=none"};
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

// Seconds of dd's final sync: a copy without it, then the fdatasync that dd would have made.
inline double ddSyncSeconds(const std::string& src, const std::string& dst, std::int64_t blocks) {
    runDd(src, dst, blocks, false);
    return seconds([&] { settle(dst); });
}

// When the last block's progress came: the job's final sync (with its length setting and
// closing) is what follows it.
class LastBlockClock {
  public:
    using Clock = std::chrono::steady_clock;
    void mark() { lastBlock_ = Clock::now(); }
    double secondsSince() const {
        return std::chrono::duration<double>(Clock::now() - lastBlock_).count();
    }

  private:
    Clock::time_point lastBlock_ = Clock::now();
};

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace bench
