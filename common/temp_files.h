// Scratch files for tests and benchmarks that cut real images: a temporary folder that removes
// itself, and a lowered file-size limit that lifts itself, so that no run leaves files behind
// or a limit in force for the next one. Plain C++ (no Qt, no GoogleTest): benchmarks use it too.
#pragma once

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/resource.h>

namespace qdct::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    explicit TempDir(const std::string& prefix = "qdct-test") {
        std::string name = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = name;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    // The path of `name` inside the folder; "" names the folder itself.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

// Lowers the file-size limit with SIGXFSZ ignored, so that a write past it fails with EFBIG
// instead of killing the process; restores both on destruction.
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

} // namespace qdct::test
