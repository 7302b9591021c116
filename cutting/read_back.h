// Proves what a cut wrote. Once the output is synced, its cached pages are dropped so that the
// read comes from the device where the kernel allows; then it is read back in one pass,
// compared with what was meant (the source's first bytes, zeros past the source's end) and
// hashed with SHA-256, so that the user gets both the proof and a checksum without a second
// pass of `cmp` and `sha256sum`.
#pragma once

#include "cutting/copy_engine.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cutting {

// Bytes compared and hashed per step; the next step's output bytes are asked for while this
// one is checked.
inline constexpr std::int64_t kReadBackBytes = std::int64_t{8} << 20;

class ReadBack {
  public:
    // `sourceBytes`: how much of the output came from the source (the rest must be zeros);
    // `totalBytes`: the output's length.
    ReadBack(CopySide source, CopySide output, std::int64_t sourceBytes, std::int64_t totalBytes);
    ReadBack(const ReadBack&) = delete;
    ReadBack& operator=(const ReadBack&) = delete;
    ~ReadBack();

    // Checks the next block; returns the bytes checked so far. Raises 45605 when a file cannot
    // be read and 45610 at the first byte that differs (an output that ends early differs
    // where it ends).
    std::int64_t step();
    bool done() const { return checked_ >= total_; }
    // The output's SHA-256 in lower-case hex, once done.
    std::string sha256() const;

  private:
    // Reads `count` bytes at `offset` of `side` into `into`; returns how many (fewer at its end).
    std::int64_t read(const CopySide& side, std::int64_t offset, std::int64_t count,
                      std::uint8_t* into) const;
    [[noreturn]] void raiseDifference(std::int64_t at) const;

    struct Digest;
    CopySide source_;
    CopySide output_;
    std::int64_t sourceBytes_;
    std::int64_t total_;
    std::int64_t checked_ = 0;
    std::vector<std::uint8_t> written_;
    std::vector<std::uint8_t> meant_;
    std::unique_ptr<Digest> digest_;
    std::string hex_;
};

} // namespace cutting
