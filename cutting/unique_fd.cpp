// Closing of owned descriptors; see unique_fd.h.
#include "cutting/unique_fd.h"

#include <cerrno>
#include <unistd.h>

namespace cutting {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

UniqueFd::~UniqueFd() {
    close();
}

int UniqueFd::close() {
    if (fd_ < 0) return 0;
    const int fd = fd_;
    fd_ = -1;
    // Linux releases the descriptor even when close() fails (EINTR included): never retry.
    return ::close(fd) == 0 ? 0 : errno;
}

} // namespace cutting
