// What the copy benchmarks share: a cached source to copy, `dd` as the peer measured in the
// same run, and the timing and median arithmetic, so that the job and the window are both
// measured against exactly the same copy. A cut ends with its output on the device, so the
// peer syncs too (`conv=fdatasync`), and how long each side's final sync takes is measured
// apart: for dd by a copy without the sync, then the same fdatasync that dd would make. A cut
// also reads its output back and hashes it; the peer for that is `cmp` then `sha256sum`.
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

// Commits `path` and drops its cached pages, so that the next read comes from the device.
inline void dropCached(const std::string& path) {
    const cutting::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) return;
    ::fdatasync(fd.get());
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED);
}

inline double seconds(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs `args` (a program on PATH and its arguments) with its output discarded; throws unless
// it exits 0.
inline void runTool(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int started = ::posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (started != 0) throw std::runtime_error("cannot start " + args[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(args[0] + " failed");
}

// The block size of the peer that users pick for a fast copy.
inline constexpr std::int64_t kDdBlockBytes = std::int64_t{4} << 20;

// The peer: `dd if=src of=dst bs=4M count=bytes/4M conv=notrunc,fdatasync`; without
// `fdatasync` when `sync` is false.
inline void runDd(const std::string& src, const std::string& dst, std::int64_t bytes,
                  bool sync = true) {
    runTool({"dd", "if=" + src, "of=" + dst, "bs=" + std::to_string(kDdBlockBytes),
             "count=" + std::to_string(bytes / kDdBlockBytes),
             sync ? "conv=notrunc,fdatasync" : "conv=notrunc", "status=none"});
}

// Seconds of dd's final sync: a copy without it, then the fdatasync that dd would have made.
inline double ddSyncSeconds(const std::string& src, const std::string& dst, std::int64_t bytes) {
    runDd(src, dst, bytes, false);
    return seconds([&] { settle(dst); });
}

// What a careful user types to check a copy: `cmp -n BYTES src dst`, then `sha256sum dst`,
// with dst's cached pages dropped first, as the read-back drops them.
inline double cmpAndSha256sumSeconds(const std::string& src, const std::string& dst,
                                     std::int64_t bytes) {
    dropCached(dst);
    return seconds([&] {
        runTool({"cmp", "-n", std::to_string(bytes), src, dst});
        runTool({"sha256sum", dst});
    });
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
