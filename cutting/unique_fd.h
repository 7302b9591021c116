// A file descriptor that closes itself. The file object and the tests hold descriptors only
// through this type, so that no path (an exception, an early return) can leak one.
#pragma once

namespace cutting {

class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    ~UniqueFd();

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes the descriptor (which is released even when close() reports an error, so it is
    // never closed twice) and returns 0 or the errno that close() reported.
    int close();

  private:
    int fd_ = -1;
};

} // namespace cutting
