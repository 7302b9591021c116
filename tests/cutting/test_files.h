// Helpers for the cutting tests: a temporary folder that removes itself, whole-file reads and
// writes, recognisable byte patterns, and a file-size limit that lifts itself.
#pragma once

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace cutting::test {

using Bytes = std::vector<std::uint8_t>;

class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "cutting-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// n bytes that differ from their neighbours and from zero, so that shifts and padding show.
inline Bytes pattern(std::size_t n, std::uint8_t seed = 1) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + seed) % 251 + 1);
    return bytes;
}

inline void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lowers the file-size limit with SIGXFSZ ignored (so an oversize write fails with EFBIG
// instead of killing the process) and restores both on destruction.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }

  private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

} // namespace cutting::test

#include "cutting/file_error.h"
#include <gtest/gtest.h>

namespace cutting::test {

// The FileError that `action` raises; a test failure (and an empty error) if it raises none.
template <class Action>
FileError errorOf(Action action) {
    try {
        action();
    } catch (const FileError& e) {
        return e;
    }
    ADD_FAILURE() << "no FileError was raised";
    return FileError(0, "", "");
}

} // namespace cutting::test
