// Where a disc image's file system ends, read from the image itself: an ISO 9660 volume, a UDF
// volume, or both over the same data (the bridge that DVD-Video discs use). A cut that ends
// before that point leaves a disc that will not read, so the window and the cut's report say
// how much the cut keeps. Images come from anywhere, so the reader trusts no field: it reads a
// small fixed number of sectors whatever the image says, and a field it cannot use is skipped.
#pragma once

#include "cutting/presets.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace cutting {

// The most sectors one reading of a file system asks its source for.
inline constexpr int kMaxSectorsRead = 64;
inline constexpr std::size_t kReadSectorBytes = kSectorBytes;

enum class FileSystemKind { None, Iso9660, Udf, IsoUdfBridge };

struct DiscFileSystem {
    FileSystemKind kind = FileSystemKind::None;
    std::int64_t sectors = 0; // where the file system ends, in 2048-byte sectors; 0 for None
};

// Reads one 2048-byte sector at index `sector` into `out`; false past the end or on error.
using SectorReader =
    std::function<bool(std::int64_t sector, std::span<std::uint8_t, kReadSectorBytes> out)>;

// The file system that `read` holds, asking it for at most kMaxSectorsRead sectors.
DiscFileSystem readDiscFileSystem(const SectorReader& read);
// The same over an open descriptor, read with pread (its offset is left alone).
DiscFileSystem readDiscFileSystem(int fd);
// The same over the file at `path`, opened read-only; None when it cannot be opened.
DiscFileSystem readDiscFileSystem(const std::string& path);

// How many bytes of `fs` an output of `outputBytes` bytes leaves out: 0 when it keeps the whole
// file system (or there is none).
std::int64_t bytesLostByCut(const DiscFileSystem& fs, std::int64_t outputBytes);

} // namespace cutting
