// The few ISO 9660 (ECMA-119) and UDF (ECMA-167) fields that say where a volume ends, parsed by
// hand. Every sector goes through one budgeted reader, so no chain of pointers, however it
// loops, can make the reading longer than kMaxSectorsRead sectors.
#include "cutting/disc_filesystem.h"

#include "cutting/unique_fd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace cutting {

namespace {

using Sector = std::array<std::uint8_t, kReadSectorBytes>;

// Both formats start their descriptors at the same place: the first 16 sectors are left to
// the system area.
constexpr std::int64_t kFirstDescriptorSector = 16;
// Volume descriptors before the recognition sequence gives up (ISO sets rarely hold 5).
constexpr int kMaxRecognitionSectors = 32;
// Descriptors read from one UDF descriptor sequence, pointers followed included.
constexpr int kMaxSequenceSectors = 24;
constexpr std::uint32_t kUnsetSize = 0xFFFFFFFF;

// Volume structure descriptors: type, five-letter identifier, version.
constexpr std::size_t kVsdTypeAt = 0;
constexpr std::size_t kVsdIdAt = 1;
constexpr std::size_t kVsdIdLength = 5;
constexpr std::uint8_t kIsoPrimaryType = 1;
constexpr std::string_view kIsoId = "CD001";
constexpr std::string_view kUdfBeginId = "BEA01";
constexpr std::string_view kUdfEndId = "TEA01";
constexpr std::array<std::string_view, 2> kUdfNsrIds{"NSR02", "NSR03"};
constexpr std::array<std::string_view, 2> kOtherVsdIds{"BOOT2", "CDW02"};

// ISO primary volume descriptor: both-endian fields (little-endian copy first).
constexpr std::size_t kIsoVolumeSpaceSizeAt = 80;
constexpr std::size_t kIsoLogicalBlockSizeAt = 128;
constexpr std::array<std::uint32_t, 3> kIsoBlockSizes{512, 1024, 2048};

// UDF descriptor tag.
constexpr std::size_t kTagBytes = 16;
constexpr std::size_t kTagIdAt = 0;
constexpr std::size_t kTagVersionAt = 2;
constexpr std::size_t kTagChecksumAt = 4;
constexpr std::size_t kTagLocationAt = 12;
constexpr std::array<std::uint16_t, 2> kTagVersions{2, 3};
enum TagId : std::uint16_t {
    kAnchorTag = 2,
    kPointerTag = 3,
    kPartitionTag = 5,
    kLogicalVolumeTag = 6,
    kTerminatingTag = 8,
};
constexpr std::int64_t kAnchorSector = 256;
// extent_ad fields: length in bytes, then location in sectors.
constexpr std::size_t kAnchorMainExtentAt = 16;
constexpr std::size_t kAnchorReserveExtentAt = 24;
constexpr std::size_t kPointerNextExtentAt = 20;
constexpr std::size_t kPartitionStartAt = 188;
constexpr std::size_t kPartitionLengthAt = 192;
constexpr std::size_t kLogicalBlockSizeAt = 212;

std::uint32_t le16(const Sector& s, std::size_t at) {
    return static_cast<std::uint32_t>(s[at] | s[at + 1] << 8);
}
std::uint32_t be16(const Sector& s, std::size_t at) {
    return static_cast<std::uint32_t>(s[at] << 8 | s[at + 1]);
}
std::uint32_t le32(const Sector& s, std::size_t at) {
    return le16(s, at) | le16(s, at + 2) << 16;
}
std::uint32_t be32(const Sector& s, std::size_t at) {
    return be16(s, at) << 16 | be16(s, at + 2);
}

// A both-endian field's value, when its two copies agree.
std::optional<std::uint32_t> both32(const Sector& s, std::size_t at) {
    const std::uint32_t value = le32(s, at);
    if (value != be32(s, at + 4)) return std::nullopt;
    return value;
}
std::optional<std::uint32_t> both16(const Sector& s, std::size_t at) {
    const std::uint32_t value = le16(s, at);
    if (value != be16(s, at + 2)) return std::nullopt;
    return value;
}

template <typename T, std::size_t N>
bool contains(const std::array<T, N>& values, const T& value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// Hands out sectors until kMaxSectorsRead have been asked for, then none.
class BudgetedReader {
  public:
    explicit BudgetedReader(const SectorReader& read) : read_(read) {}

    // Sector `index`, or null past the end, on an error, or once the budget is spent.
    const Sector* read(std::int64_t index) {
        if (index < 0 || left_ == 0) return nullptr;
        --left_;
        return read_(index, std::span<std::uint8_t, kReadSectorBytes>(sector_)) ? &sector_
                                                                                : nullptr;
    }

  private:
    const SectorReader& read_;
    int left_ = kMaxSectorsRead;
    Sector sector_{};
};

struct Recognition {
    std::int64_t isoSectors = 0; // 0: no usable ISO primary volume descriptor
    bool udf = false;            // BEA01 followed by NSR02 or NSR03
};

// The ISO volume's end in sectors from its primary volume descriptor, or 0 when a field's two
// copies disagree or it holds a size no 2048-byte-sector volume can have.
std::int64_t isoVolumeSectors(const Sector& s) {
    const auto blocks = both32(s, kIsoVolumeSpaceSizeAt);
    const auto blockSize = both16(s, kIsoLogicalBlockSizeAt);
    if (!blocks || !blockSize || *blocks == 0 || *blocks == kUnsetSize ||
        !contains(kIsoBlockSizes, *blockSize))
        return 0;
    const std::int64_t bytes = std::int64_t{*blocks} * *blockSize;
    return (bytes + kSectorBytes - 1) / kSectorBytes;
}

// The volume recognition sequence from sector 16: the ISO volume descriptor set, then UDF's
// extended area. It stops at the first sector that is neither.
Recognition recognize(BudgetedReader& reader) {
    Recognition found;
    bool extendedArea = false;
    for (int i = 0; i < kMaxRecognitionSectors; ++i) {
        const Sector* s = reader.read(kFirstDescriptorSector + i);
        if (s == nullptr) break;
        const std::string_view id(reinterpret_cast<const char*>(s->data() + kVsdIdAt),
                                  kVsdIdLength);
        if (id == kIsoId) {
            if ((*s)[kVsdTypeAt] == kIsoPrimaryType && found.isoSectors == 0)
                found.isoSectors = isoVolumeSectors(*s);
        } else if (id == kUdfBeginId) {
            extendedArea = true;
        } else if (contains(kUdfNsrIds, id)) {
            found.udf = found.udf || extendedArea;
        } else if (id == kUdfEndId) {
            break;
        } else if (!contains(kOtherVsdIds, id)) {
            break;
        }
    }
    return found;
}

// Whether `s` starts with a UDF descriptor tag that is whole (checksum) and was written for
// where it lies; a copy of a descriptor found elsewhere is not one.
bool validTag(const Sector& s, std::int64_t at) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < kTagBytes; ++i)
        if (i != kTagChecksumAt) sum = static_cast<std::uint8_t>(sum + s[i]);
    return sum == s[kTagChecksumAt] &&
           contains(kTagVersions, static_cast<std::uint16_t>(le16(s, kTagVersionAt))) &&
           le32(s, kTagLocationAt) == at;
}

struct Extent {
    std::int64_t location = 0;
    std::int64_t sectors = 0;
};

Extent extentAt(const Sector& s, std::size_t at) {
    const std::uint32_t bytes = le32(s, at);
    if (bytes == kUnsetSize) return {};
    return {le32(s, at + 4), bytes / kSectorBytes};
}

struct UdfVolume {
    std::int64_t end = 0;          // the largest end found so far
    bool hasPartition = false;     // a partition with a usable start and length
    bool hasLogicalVolume = false; // a logical volume of 2048-byte blocks
};

// Reads the descriptor sequence in `extent`, following pointers to further extents, until its
// terminating descriptor, an invalid sector or the sequence budget. Returns whether its first
// descriptor was valid; the partitions and logical volume it holds go into `volume`.
bool readSequence(BudgetedReader& reader, Extent extent, UdfVolume& volume) {
    std::int64_t at = extent.location;
    std::int64_t end = extent.location + extent.sectors;
    bool valid = false;
    for (int i = 0; i < kMaxSequenceSectors && at < end; ++i) {
        const Sector* s = reader.read(at);
        if (s == nullptr || !validTag(*s, at)) break;
        valid = true;
        switch (le16(*s, kTagIdAt)) {
        case kPartitionTag: {
            const std::uint32_t start = le32(*s, kPartitionStartAt);
            const std::uint32_t length = le32(*s, kPartitionLengthAt);
            if (length != 0 && length != kUnsetSize && start != kUnsetSize) {
                volume.hasPartition = true;
                volume.end = std::max(volume.end, std::int64_t{start} + length);
            }
            break;
        }
        case kLogicalVolumeTag:
            volume.hasLogicalVolume |= le32(*s, kLogicalBlockSizeAt) == kSectorBytes;
            break;
        case kPointerTag: {
            const Extent next = extentAt(*s, kPointerNextExtentAt);
            at = next.location;
            end = next.location + next.sectors;
            continue;
        }
        case kTerminatingTag:
            return valid;
        default:
            break;
        }
        ++at;
    }
    return valid;
}

// The UDF volume's end from the anchor at sector 256 and the main and reserve descriptor
// sequences it points to, or 0 when they describe no usable volume.
std::int64_t udfVolumeSectors(BudgetedReader& reader) {
    const Sector* anchor = reader.read(kAnchorSector);
    if (anchor == nullptr || !validTag(*anchor, kAnchorSector) ||
        le16(*anchor, kTagIdAt) != kAnchorTag)
        return 0;
    const Extent sequences[] = {extentAt(*anchor, kAnchorMainExtentAt),
                                extentAt(*anchor, kAnchorReserveExtentAt)};
    UdfVolume volume;
    volume.end = kAnchorSector + 1;
    for (const Extent& extent : sequences)
        if (readSequence(reader, extent, volume))
            volume.end = std::max(volume.end, extent.location + extent.sectors);
    if (!volume.hasPartition || !volume.hasLogicalVolume) return 0;
    // The volume closes with a second anchor in its last sector, which often lies just past
    // the last extent found.
    const Sector* closing = reader.read(volume.end);
    if (closing != nullptr && validTag(*closing, volume.end) &&
        le16(*closing, kTagIdAt) == kAnchorTag)
        ++volume.end;
    return volume.end;
}

} // namespace

DiscFileSystem readDiscFileSystem(const SectorReader& read) {
    BudgetedReader reader(read);
    const Recognition found = recognize(reader);
    const std::int64_t udfSectors = found.udf ? udfVolumeSectors(reader) : 0;
    const bool iso = found.isoSectors > 0;
    const bool udf = udfSectors > 0;
    if (!iso && !udf) return {};
    const FileSystemKind kind = iso && udf ? FileSystemKind::IsoUdfBridge
                                : iso      ? FileSystemKind::Iso9660
                                           : FileSystemKind::Udf;
    return {kind, std::max(found.isoSectors, udfSectors)};
}

DiscFileSystem readDiscFileSystem(int fd) {
    return readDiscFileSystem(
        [fd](std::int64_t sector, std::span<std::uint8_t, kReadSectorBytes> out) {
            if (sector > std::numeric_limits<off_t>::max() / kSectorBytes) return false;
            std::size_t done = 0;
            while (done < out.size()) {
                const ssize_t got =
                    ::pread(fd, out.data() + done, out.size() - done,
                            static_cast<off_t>(sector * kSectorBytes) + static_cast<off_t>(done));
                if (got < 0 && errno == EINTR) continue;
                if (got <= 0) return false;
                done += static_cast<std::size_t>(got);
            }
            return true;
        });
}

DiscFileSystem readDiscFileSystem(const std::string& path) {
    // Non-blocking, so that a named pipe given as the source cannot hold the window up.
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) return {};
    return readDiscFileSystem(fd.get());
}

std::int64_t bytesLostByCut(const DiscFileSystem& fs, std::int64_t outputBytes) {
    if (fs.kind == FileSystemKind::None) return 0;
    return std::max<std::int64_t>(0, fs.sectors * kSectorBytes -
                                         std::max<std::int64_t>(0, outputBytes));
}

} // namespace cutting
