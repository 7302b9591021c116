// Moves a cut's bytes from the source into the output as fast as the machine allows: in the
// kernel with copy_file_range, which on copy-on-write file systems (btrfs, XFS with reflink)
// shares the source's blocks instead of copying them, and with read and write in large blocks
// where the kernel cannot serve. It copies until the source's real end (a device or a special
// file reports its size wrongly, so the size is never trusted), and it names the side that
// failed exactly, as the file object does: 45605 for the source, 45606 for the output.
//
//   copy_file_range ── EXDEV, EINVAL, ENOSYS, EOPNOTSUPP, EPERM, ETXTBSY, EBADF ──> read/write
//         │  └─────── 0 before the chunk's end ────────────────────────────────> read/write
//         └────────── any other error (EIO, ENOSPC, ...): the chunk again with read/write,
//                     which raises the error of the side that failed
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cutting {

// The most one kernel copy call is asked for, and the block of the read/write copy; chosen by
// measurement (bench_cut with arguments): larger gains nothing, smaller costs calls.
inline constexpr std::int64_t kKernelCopyBytes = std::int64_t{32} << 20;
inline constexpr std::int64_t kUserCopyBytes = std::int64_t{1} << 20;

// An open file that the engine works on: its descriptor (owned elsewhere) and the name that
// error descriptions quote.
struct CopySide {
    int fd = -1;
    std::string name;
};

class CopyEngine {
  public:
    CopyEngine(CopySide source, CopySide output);

    // Copies the source's bytes at [offset, offset + count) to the same place in the output,
    // following up short copies; returns how many, fewer than `count` only at the source's end.
    // Raises 45605 (reading the source) or 45606 (writing the output).
    std::int64_t copy(std::int64_t offset, std::int64_t count);
    // Makes the output's bytes at [from, to) zeros: a hole in a regular file (its length is
    // then `to`), written zeros on a device. Raises 45606.
    void fillZeros(std::int64_t from, std::int64_t to);
    // Sets a regular output's length (devices have none); raises 45609.
    void setLength(std::int64_t length);
    // Whether the kernel still copies (false once the read/write copy took over).
    bool kernelCopy() const { return kernel_; }

  private:
    // The kernel's copy of what it can; -1 when the read/write copy must take over here.
    std::int64_t copyInKernel(std::int64_t offset, std::int64_t count);
    std::int64_t copyInUserSpace(std::int64_t offset, std::int64_t count);
    std::vector<std::uint8_t>& buffer();
    [[noreturn]] void raise(int number, const CopySide& side, int code) const;

    CopySide source_;
    CopySide output_;
    bool regularOutput_ = true;
    bool kernel_ = true;
    std::vector<std::uint8_t> buffer_; // the read/write copy's block, made when first needed
};

} // namespace cutting
