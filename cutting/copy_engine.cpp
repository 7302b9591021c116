// The copy engine over copy_file_range, pread and pwrite; see copy_engine.h.
#include "cutting/copy_engine.h"

#include "common/numbered_error.h"
#include "cutting/file_error.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace cutting {

namespace {

// Repeats a positioned read or write of the rest until `count` bytes are done, a call returns
// 0 or fails for good (EINTR is retried); returns the bytes done and sets `error`.
template <class Call>
std::int64_t transfer(std::int64_t count, int& error, Call call) {
    std::int64_t done = 0;
    error = 0;
    while (done < count) {
        const ssize_t n = call(done);
        if (n > 0)
            done += n;
        else if (n == 0)
            break;
        else if (errno != EINTR) {
            error = errno;
            break;
        }
    }
    return done;
}

} // namespace

CopyEngine::CopyEngine(CopySide source, CopySide output)
    : source_(std::move(source)), output_(std::move(output)) {
    struct stat st {};
    regularOutput_ = ::fstat(output_.fd, &st) == 0 && S_ISREG(st.st_mode);
}

std::int64_t CopyEngine::copy(std::int64_t offset, std::int64_t count) {
    std::int64_t done = 0;
    while (done < count) {
        const std::int64_t ask = std::min(count - done, kKernelCopyBytes);
        std::int64_t n = kernel_ ? copyInKernel(offset + done, ask) : -1;
        if (n < 0) n = copyInUserSpace(offset + done, ask);
        done += n;
        if (n < ask) break; // the source's end
    }
    return done;
}

std::int64_t CopyEngine::copyInKernel(std::int64_t offset, std::int64_t count) {
    std::int64_t done = 0;
    while (done < count) {
        loff_t in = offset + done, out = in;
        const ssize_t n = ::copy_file_range(source_.fd, &in, output_.fd, &out,
                                            static_cast<std::size_t>(count - done), 0);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        // A 0 may be the source's end or a file system that copies nothing (procfs). An error
        // says either that the kernel cannot copy between these files (EXDEV, EINVAL, ENOSYS,
        // EOPNOTSUPP, EPERM, ETXTBSY, EBADF) or that a side failed (EIO could be either). The
        // read/write copy serves both: it goes on, or raises the failing side's own error.
        kernel_ = false;
        return done + copyInUserSpace(offset + done, count - done);
    }
    return done;
}

std::int64_t CopyEngine::copyInUserSpace(std::int64_t offset, std::int64_t count) {
    std::vector<std::uint8_t>& block = buffer();
    std::int64_t done = 0;
    while (done < count) {
        const std::int64_t want = std::min<std::int64_t>(count - done, std::ssize(block));
        int error = 0;
        const std::int64_t got = transfer(want, error, [&](std::int64_t at) {
            return ::pread(source_.fd, block.data() + at, static_cast<std::size_t>(want - at),
                           offset + done + at);
        });
        if (error != 0) raise(errnum::kReadFailed, source_, error);
        const std::int64_t put = transfer(got, error, [&](std::int64_t at) {
            return ::pwrite(output_.fd, block.data() + at, static_cast<std::size_t>(got - at),
                            offset + done + at);
        });
        // A device that takes nothing more and says nothing is reported as a full one.
        if (error == 0 && put < got) error = ENOSPC;
        if (error != 0) raise(errnum::kWriteFailed, output_, error);
        done += got;
        if (got < want) break; // the source's end
    }
    return done;
}

void CopyEngine::fillZeros(std::int64_t from, std::int64_t to) {
    if (from >= to) return;
    if (regularOutput_) {
        // Whatever an older output held there goes with the first cut; the rest is a hole.
        if (::ftruncate(output_.fd, from) != 0 || ::ftruncate(output_.fd, to) != 0)
            raise(errnum::kWriteFailed, output_, errno);
        return;
    }
    std::vector<std::uint8_t>& block = buffer();
    std::fill(block.begin(), block.end(), 0);
    for (std::int64_t at = from; at < to;) {
        const std::int64_t want = std::min<std::int64_t>(to - at, std::ssize(block));
        int error = 0;
        const std::int64_t put = transfer(want, error, [&](std::int64_t done) {
            return ::pwrite(output_.fd, block.data(), static_cast<std::size_t>(want - done),
                            at + done);
        });
        if (error == 0 && put < want) error = ENOSPC;
        if (error != 0) raise(errnum::kWriteFailed, output_, error);
        at += want;
    }
}

void CopyEngine::setLength(std::int64_t length) {
    if (regularOutput_ && ::ftruncate(output_.fd, length) != 0)
        raise(errnum::kSetEndFailed, output_, errno);
}

std::vector<std::uint8_t>& CopyEngine::buffer() {
    if (buffer_.empty()) buffer_.resize(static_cast<std::size_t>(kUserCopyBytes));
    return buffer_;
}

void CopyEngine::raise(int number, const CopySide& side, int code) const {
    throw qdct::NumberedError(number, kFileErrorSource, describeFileError(number, side.name, code));
}

} // namespace cutting
