// The read-back pass; see read_back.h. SHA-256 is OpenSSL's (EVP), not a hash of our own.
#include "cutting/read_back.h"

#include "common/numbered_error.h"
#include "cutting/cut_messages.h"
#include "cutting/file_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <openssl/evp.h>
#include <stdexcept>
#include <unistd.h>

namespace cutting {

struct ReadBack::Digest {
    struct Free {
        void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
    };
    std::unique_ptr<EVP_MD_CTX, Free> context{EVP_MD_CTX_new()};
};

ReadBack::ReadBack(CopySide source, CopySide output, std::int64_t sourceBytes,
                   std::int64_t totalBytes)
    : source_(std::move(source)), output_(std::move(output)), sourceBytes_(sourceBytes),
      total_(totalBytes), written_(static_cast<std::size_t>(kReadBackBytes)),
      meant_(static_cast<std::size_t>(kReadBackBytes)), digest_(std::make_unique<Digest>()) {
    if (!digest_->context || EVP_DigestInit_ex(digest_->context.get(), EVP_sha256(), nullptr) != 1)
        throw std::runtime_error("SHA-256 is not available");
    // The synced pages go, so that what is read is what the device holds; a device that keeps
    // them (or a file system that ignores the advice) is read from the cache instead.
    ::posix_fadvise(output_.fd, 0, 0, POSIX_FADV_DONTNEED);
    ::posix_fadvise(output_.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
}

ReadBack::~ReadBack() = default;

std::int64_t ReadBack::step() {
    if (done()) return checked_;
    const std::int64_t count = std::min(kReadBackBytes, total_ - checked_);
    // The device reads the next block while this one is compared and hashed.
    ::posix_fadvise(output_.fd, checked_ + count, kReadBackBytes, POSIX_FADV_WILLNEED);
    const std::int64_t got = read(output_, checked_, count, written_.data());

    const std::int64_t fromSource = std::clamp<std::int64_t>(sourceBytes_ - checked_, 0, count);
    const std::int64_t sourceGot = read(source_, checked_, fromSource, meant_.data());
    // A source that now ends sooner than it did during the copy no longer holds what was meant.
    std::fill(meant_.begin() + sourceGot, meant_.begin() + count, 0);
    if (std::memcmp(written_.data(), meant_.data(), static_cast<std::size_t>(got)) != 0 ||
        sourceGot < fromSource) {
        std::int64_t at =
            std::mismatch(written_.begin(), written_.begin() + got, meant_.begin()).first -
            written_.begin();
        if (sourceGot < fromSource) at = std::min(at, sourceGot);
        raiseDifference(checked_ + at);
    }
    if (got < count) raiseDifference(checked_ + got);
    EVP_DigestUpdate(digest_->context.get(), written_.data(), static_cast<std::size_t>(got));
    checked_ += got;
    if (done()) {
        unsigned char hash[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        EVP_DigestFinal_ex(digest_->context.get(), hash, &length);
        static constexpr char kHex[] = "0123456789abcdef";
        for (unsigned int i = 0; i < length; ++i) {
            hex_ += kHex[hash[i] >> 4];
            hex_ += kHex[hash[i] & 0xF];
        }
    }
    return checked_;
}

std::string ReadBack::sha256() const {
    return hex_;
}

std::int64_t ReadBack::read(const CopySide& side, std::int64_t offset, std::int64_t count,
                            std::uint8_t* into) const {
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n =
            ::pread(side.fd, into + done, static_cast<std::size_t>(count - done), offset + done);
        if (n > 0)
            done += n;
        else if (n == 0)
            break;
        else if (errno != EINTR)
            throw qdct::NumberedError(errnum::kReadFailed, kFileErrorSource,
                                      describeFileError(errnum::kReadFailed, side.name, errno));
    }
    return done;
}

void ReadBack::raiseDifference(std::int64_t at) const {
    throw qdct::NumberedError(errnum::kVerifyFailed, kJobErrorSource, verifyFailedText(at));
}

} // namespace cutting
