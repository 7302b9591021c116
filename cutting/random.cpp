// The file object over POSIX calls; see random.h for the contract of each member.
#include "cutting/random.h"

#include "cutting/file_error.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cutting {

static_assert(sizeof(off_t) == 8, "image positions need a 64-bit off_t");

namespace {

constexpr std::int64_t kTwoTo32 = std::int64_t{1} << 32;
// The largest position a relative move may reach: positions are handed back in 32 bits.
constexpr std::int64_t kRelativeSeekLimit = std::numeric_limits<std::uint32_t>::max();
constexpr mode_t kCreateMode = 0666; // narrowed by the user's umask

struct Transferred {
    std::size_t bytes; // done before the loop ended
    int error;         // 0, or the errno of the call that failed
};

// Repeats `call(done)`, one read() or write() of the bytes from `done` on, until `count` bytes
// are done: a short count is followed up and an interrupted call made again. Ends early at a
// call that returns 0 (the end of a file, a device that takes no more) or fails.
template <class Call>
Transferred transferAll(std::size_t count, Call call) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = call(done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0)
            return {done, 0};
        else if (errno != EINTR)
            return {done, errno};
    }
    return {done, 0};
}

// 0 when the open file is one this object works with, else the errno that refuses it. A FIFO
// or socket has no positions, and its peer could stall any read or write for ever; opening a
// folder for reading succeeds on POSIX, but it is not a file to read.
int refusalOf(int fd, bool reading) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) return ESPIPE;
    if (reading && S_ISDIR(st.st_mode)) return EISDIR;
    return 0;
}

} // namespace

std::int32_t Random::FileHandle() const {
    requireOpen();
    return file_.get();
}

std::string Random::FileName() const {
    requireOpen();
    return fileName_;
}

bool Random::AutoFlush() const {
    requireOpen();
    return autoFlush_;
}

void Random::AutoFlush(bool newVal) {
    requireOpen();
    autoFlush_ = newVal;
}

void Random::OpenFile(const std::string& sFileName) {
    open(sFileName, O_RDWR | O_CREAT, LOCK_EX);
}

void Random::OpenFileRead(const std::string& sFileName) {
    open(sFileName, O_RDONLY, LOCK_SH);
}

void Random::open(const std::string& sFileName, int flags, int lockOperation) {
    if (IsOpen()) RaiseFileError(errnum::kAlreadyOpen, fileName_);

    UniqueFd fd;
    if (sFileName.find('\0') != std::string::npos) {
        // A C path would end at the NUL and name some other file.
        lastError_ = EINVAL;
    } else {
        // Non-blocking, so that a FIFO without a peer cannot hold the open for ever.
        fd = UniqueFd(::open(sFileName.c_str(), flags | O_CLOEXEC | O_NONBLOCK, kCreateMode));
        record(!fd.valid());
    }
    if (fd.valid()) lastError_ = refusalOf(fd.get(), (flags & O_ACCMODE) == O_RDONLY);
    if (fd.valid() && lastError_ == 0) {
        // Files and devices are read and written in blocking mode, whole blocks at a time.
        const int status = ::fcntl(fd.get(), F_GETFL);
        record(status < 0 || ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK) != 0);
    }
    if (fd.valid() && lastError_ == 0) {
        int rc;
        do {
            rc = ::flock(fd.get(), lockOperation | LOCK_NB);
        } while (rc != 0 && errno == EINTR);
        record(rc != 0);
    }
    if (lastError_ != 0)
        fd = UniqueFd(); // the errno of the step that refused stays the one reported
    if (!fd.valid()) RaiseFileError(errnum::kOpenFailed, sFileName);

    file_ = std::move(fd);
    fileName_ = sFileName;
}

void Random::CloseFile() {
    requireOpen();
    lastError_ = file_.close();
    const std::string closedName = std::move(fileName_);
    fileName_.clear();
    autoFlush_ = false;
    // The descriptor is gone either way; an error reported only now (a deferred write
    // failure) still means the data may not be in the file.
    if (lastError_ != 0) RaiseFileError(errnum::kCloseFailed, closedName);
}

std::vector<std::uint8_t> Random::ReadBytes(std::int32_t ByteCount) {
    requireOpen();
    if (ByteCount <= 0) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(ByteCount));
    // Only the end of the file, never an interrupted or partial read, leaves zero bytes behind.
    const Transferred read = transferAll(bytes.size(), [&](std::size_t done) {
        return ::read(file_.get(), bytes.data() + done, bytes.size() - done);
    });
    lastError_ = read.error;
    if (read.error != 0) RaiseFileError(errnum::kReadFailed, fileName_);
    return bytes;
}

void Random::WriteBytes(std::span<const std::uint8_t> DataBytes) {
    requireOpen();
    const Transferred written = transferAll(DataBytes.size(), [&](std::size_t done) {
        return ::write(file_.get(), DataBytes.data() + done, DataBytes.size() - done);
    });
    lastError_ = written.error;
    if (written.error == 0 && written.bytes < DataBytes.size()) {
        // A device that takes nothing more and says nothing: reported as a full one.
        lastError_ = ENOSPC;
        RaiseFileError(errnum::kWriteFailed, fileName_,
                       "Only " + std::to_string(written.bytes) + " of " +
                           std::to_string(DataBytes.size()) + " bytes were written.");
    }
    if (written.error != 0) RaiseFileError(errnum::kWriteFailed, fileName_);
    if (autoFlush_) Flush();
}

void Random::Flush() {
    requireOpen();
    record(::fsync(file_.get()) != 0);
    if (lastError_ != 0 && !nothingToCommit(lastError_))
        RaiseFileError(errnum::kFlushFailed, fileName_);
}

void Random::SyncData() {
    requireOpen();
    record(::fdatasync(file_.get()) != 0);
    if (lastError_ != 0 && !nothingToCommit(lastError_))
        RaiseFileError(errnum::kFlushFailed, fileName_);
}

void Random::SeekAbsolute(std::int32_t HighPos, std::int32_t LowPos) {
    requireOpen();
    const std::int64_t position =
        std::int64_t{HighPos} * kTwoTo32 + static_cast<std::uint32_t>(LowPos);
    record(::lseek(file_.get(), position, SEEK_SET) < 0);
}

void Random::SeekRelative(std::int32_t offset) {
    requireOpen();
    const off_t current = ::lseek(file_.get(), 0, SEEK_CUR);
    record(current < 0);
    if (current >= 0) {
        const std::int64_t target = current + offset;
        if (target < 0)
            lastError_ = EINVAL;
        else if (target > kRelativeSeekLimit)
            lastError_ = EOVERFLOW;
        else
            record(::lseek(file_.get(), target, SEEK_SET) < 0);
    }
    if (lastError_ != 0) {
        const std::string code = std::to_string(lastError_);
        RaiseFileError(errnum::kSeekFailed, "Error " + code + "." + kCrLf + code);
    }
}

void Random::SetEndOfFile() {
    requireOpen();
    struct stat st {};
    bool failed = ::fstat(file_.get(), &st) != 0;
    record(failed);
    if (!failed && !S_ISREG(st.st_mode)) return;
    if (!failed) {
        const off_t position = ::lseek(file_.get(), 0, SEEK_CUR);
        failed = position < 0 || ::ftruncate(file_.get(), position) != 0;
        record(failed);
    }
    if (failed) RaiseFileError(errnum::kSetEndFailed, fileName_);
}

void Random::RaiseFileError(int number, const std::string& Detail, const std::string& note) const {
    std::string description = describeFileError(number, Detail, lastError_);
    if (!note.empty()) description += kCrLf + note;
    throw qdct::NumberedError(number, kFileErrorSource, description);
}

void Random::requireOpen() const {
    // Checked before anything else: no native call, and the recorded code is not quoted.
    if (!IsOpen())
        throw qdct::NumberedError(errnum::kNoOpenFile, kFileErrorSource,
                                  describeFileError(errnum::kNoOpenFile, {}, 0));
}

void Random::record(bool failed) {
    lastError_ = failed ? errno : 0;
}

} // namespace cutting
