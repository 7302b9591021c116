// Write-back of the output while a cut copies, on a thread of its own. Starting write-back
// (sync_file_range) submits the I/O in the caller's time, and waiting for a range is waiting for
// the device; done on the copying thread, both would slow the copy down to the device's pace
// one step at a time. Here a worker starts each range as it is handed over and waits for the
// one before, and the copy only waits (while the window keeps handling its events) when it has
// got more than a few ranges ahead of the device, so the page cache never holds more than that
// of the cut and the final sync stays short.
//
//   copy:    |--range 0--|--range 1--|--range 2--| ...      (hand over each full range)
//   worker:              start 0     start 1, wait 0  start 2, wait 1 ...
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>

namespace cutting {

class WriteBack {
  public:
    // Works on `fd` (owned by the caller, open until this object is gone) in ranges of
    // `rangeBytes`; the copy may run `rangesInFlight` ranges ahead of the device.
    WriteBack(int fd, std::int64_t rangeBytes, int rangesInFlight);
    WriteBack(const WriteBack&) = delete;
    WriteBack& operator=(const WriteBack&) = delete;
    // Stops after the call under way, without starting the rest.
    ~WriteBack();

    // The file holds `bytes` from its start: each full range not yet handed over is. True when
    // one was, the moment to see whether the copy must wait.
    bool written(std::int64_t bytes);
    // Waits up to `timeout` while the copy is too far ahead of the device (or, once finish()
    // was called, while the worker has ranges left); true while that is still so.
    bool waitFor(std::chrono::milliseconds timeout);
    // Hands over no more ranges: the worker starts and waits for what it has, then ends.
    void finish();
    // 0, or the errno of the write-back that failed (the worker then stops).
    int error() const;

  private:
    struct Range {
        std::int64_t offset;
        std::int64_t length;
    };
    void run();
    bool busy() const; // the condition waitFor waits on; the lock is held

    const int fd_;
    const std::int64_t rangeBytes_;
    const std::int64_t aheadLimit_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Range> queue_;     // handed over, not yet started
    std::int64_t handedOver_ = 0; // the bytes before this are handed over
    std::int64_t written_ = 0;    // as the copy last said
    std::int64_t durable_ = 0;    // the bytes before this are on the device
    bool finishing_ = false;
    bool stopping_ = false;
    bool done_ = false; // the worker has nothing more to do
    int error_ = 0;
    std::thread worker_; // last: starts once everything above is set
};

} // namespace cutting
