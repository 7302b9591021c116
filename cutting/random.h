// `Random`, the file object: one native file with whole-block reads and writes at the file's
// own 64-bit position, exclusive opening for writing and shared opening for reading. Disc
// images are larger than 4 GB, so the object keeps no position of its own and never narrows
// one. Every failure is raised as a qdct::NumberedError with the source "Win32File Object".
//
// The POSIX layer: open/read/write/lseek/fsync/fdatasync/ftruncate/close,
// with a non-blocking flock standing in for the share mode (LOCK_EX for OpenFile, LOCK_SH for
// OpenFileRead), so that an exclusive holder refuses every other open of the file that uses
// locks, in this process or another. The errno of every native call (0 when it succeeded) is
// recorded as the last system error code that the error descriptions quote.
#pragma once

#include "cutting/unique_fd.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace cutting {

class Random {
  public:
    Random() = default;
    Random(const Random&) = delete;
    Random& operator=(const Random&) = delete;
    ~Random() = default; // an open file is closed by its descriptor's owner, without raising

    // The native handle; raises 45603 when no file is open.
    std::int32_t FileHandle() const;
    // The name given to the open that succeeded; raises 45603 when no file is open.
    std::string FileName() const;
    // True while a file is open; never raises.
    bool IsOpen() const { return file_.valid(); }
    // Flush after every WriteBytes; read and set only while a file is open (else 45603).
    bool AutoFlush() const;
    void AutoFlush(bool newVal);

    // Opens for reading and writing, exclusively, creating a missing file and never truncating
    // an existing one; the position is the first byte. 45601 if a file is open, 45602 if the
    // system refuses (or another holder of the file keeps it locked).
    void OpenFile(const std::string& sFileName);
    // Opens an existing file (not a folder) for reading beside other readers; a file held
    // by OpenFile (the output) stays exclusive to its holder, and is refused with 45602.
    // Neither open blocks: a FIFO or a socket is refused with 45602 (ESPIPE) at once.
    void OpenFileRead(const std::string& sFileName);
    // Closes the file and resets the fields; a close that the system reports as failed still
    // releases the file, then raises 45608.
    void CloseFile();
    // Reads ByteCount bytes at the position: always that many, zero past the end of the file.
    // A failed read raises 45605. A ByteCount of 0 or less gives an empty array.
    std::vector<std::uint8_t> ReadBytes(std::int32_t ByteCount);
    // Writes every byte at the position; a failed or short write raises 45606.
    void WriteBytes(std::span<const std::uint8_t> DataBytes);
    // Commits written data to the device; a failure raises 45607. Files with nothing to commit
    // (a character device such as /dev/null) pass.
    void Flush();
    // Like Flush, for the data and the length only (fdatasync): what a reader needs back.
    void SyncData();
    // Moves to HighPos x 2^32 + LowPos (LowPos read as unsigned). Failures are not raised.
    void SeekAbsolute(std::int32_t HighPos, std::int32_t LowPos);
    // Moves by offset; raises 45604 when the new position would be negative or not fit in
    // 32 bits (the platform contract that this call keeps).
    void SeekRelative(std::int32_t offset);

    // Sets the file's length to the current position; raises 45609 on failure. Files without a
    // length (devices, pipes) are left as they are.
    void SetEndOfFile();
    // The errno recorded after the most recent native call of this object (0: success).
    int LastSystemError() const { return lastError_; }

  private:
    [[noreturn]] void RaiseFileError(int number, const std::string& Detail = {},
                                     const std::string& note = {}) const;

    void requireOpen() const;
    // Records the errno of the native call just made: errno when it failed, 0 otherwise.
    void record(bool failed);
    void open(const std::string& sFileName, int flags, int lockOperation);

    UniqueFd file_;
    std::string fileName_;
    bool autoFlush_ = false;
    int lastError_ = 0;
};

} // namespace cutting
