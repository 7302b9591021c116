// The write-back worker; see write_back.h.
#include "cutting/write_back.h"

#include "cutting/file_error.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>

namespace cutting {

namespace {

constexpr unsigned kStart = SYNC_FILE_RANGE_WRITE;
constexpr unsigned kAwait =
    SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;
constexpr std::int64_t kAll = std::numeric_limits<std::int64_t>::max();

int syncRange(int fd, std::int64_t offset, std::int64_t length, unsigned flags) {
    return ::sync_file_range(fd, offset, length, flags) == 0 ? 0 : errno;
}

} // namespace

WriteBack::WriteBack(int fd, std::int64_t rangeBytes, int rangesInFlight)
    : fd_(fd), rangeBytes_(rangeBytes), aheadLimit_(rangeBytes * (rangesInFlight + 1)),
      worker_([this] { run(); }) {}

WriteBack::~WriteBack() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

bool WriteBack::written(std::int64_t bytes) {
    if (bytes - handedOver_ < rangeBytes_) return false; // the usual block: no lock taken
    {
        const std::lock_guard lock(mutex_);
        written_ = bytes;
        while (bytes - handedOver_ >= rangeBytes_) {
            queue_.push_back({handedOver_, rangeBytes_});
            handedOver_ += rangeBytes_;
        }
    }
    changed_.notify_all();
    return true;
}

bool WriteBack::busy() const {
    return finishing_ ? !done_ : written_ - durable_ > aheadLimit_;
}

bool WriteBack::waitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return !busy(); }) == false;
}

void WriteBack::finish() {
    {
        const std::lock_guard lock(mutex_);
        finishing_ = true;
    }
    changed_.notify_all();
}

int WriteBack::error() const {
    const std::lock_guard lock(mutex_);
    return error_;
}

void WriteBack::run() {
    std::unique_lock lock(mutex_);
    std::int64_t previous = -1; // the range started before, not yet waited for
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || finishing_ || !queue_.empty(); });
        if (stopping_ || queue_.empty()) break;
        const Range range = queue_.front();
        queue_.pop_front();
        lock.unlock();
        int code = syncRange(fd_, range.offset, range.length, kStart);
        if (code == 0 && previous >= 0) code = syncRange(fd_, previous, rangeBytes_, kAwait);
        lock.lock();
        if (code != 0) {
            // A file with nothing to commit (a device) needs no write-back at all.
            if (!nothingToCommit(code)) error_ = code;
            break;
        }
        durable_ = range.offset;
        previous = range.offset;
        changed_.notify_all();
    }
    durable_ = kAll; // the final sync does the rest: nobody waits for a worker that is gone
    done_ = true;
    lock.unlock();
    changed_.notify_all();
}

} // namespace cutting
