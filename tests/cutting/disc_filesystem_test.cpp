// The file-system reader against images made by real tools, against the same images damaged
// in the ways hostile images are, and under a bounded fuzz loop: every answer comes within
// kMaxSectorsRead reads, and a damaged field is never taken for a size.
#include "cutting/disc_filesystem.h"

#include "disc_images.h"

#include <gtest/gtest.h>
#include <random>

namespace cutting {
namespace {

using namespace test;

constexpr std::size_t kSector = kReadSectorBytes;
constexpr std::size_t kIsoPvd = 16 * kSector;
constexpr std::size_t kAnchor = 256 * kSector;
constexpr int kFuzzCasesPerImage = 2000;

std::string describe(const DiscFileSystem& fs) {
    const char* const kinds[] = {"none", "iso9660", "udf", "bridge"};
    return kinds[static_cast<int>(fs.kind)] + (" " + std::to_string(fs.sectors));
}

// An image in memory, read through a SectorReader that counts what it is asked for.
struct MemoryImage {
    Bytes bytes;
    int reads = 0;
    std::vector<std::int64_t> asked{};
    DiscFileSystem read() {
        reads = 0;
        asked.clear();
        return readDiscFileSystem(
            [this](std::int64_t sector, std::span<std::uint8_t, kSector> out) {
                ++reads;
                asked.push_back(sector);
                if (sector < 0 || sector >= std::ssize(bytes) / std::ssize(out)) return false;
                std::copy_n(bytes.begin() + sector * std::ssize(out), out.size(), out.begin());
                return true;
            });
    }
};

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> 8 * i);
}
void put32both(Bytes& b, std::size_t at, std::uint32_t v) {
    put32(b, at, v);
    for (int i = 0; i < 4; ++i) b[at + 7 - i] = static_cast<std::uint8_t>(v >> 8 * i);
}
void put16both(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = b[at + 3] = static_cast<std::uint8_t>(v);
    b[at + 1] = b[at + 2] = static_cast<std::uint8_t>(v >> 8);
}
void fixTagChecksum(Bytes& b, std::size_t sectorAt) {
    std::uint8_t sum = 0;
    for (std::size_t i = 0; i < 16; ++i) sum += i == 4 ? 0 : b[sectorAt + i];
    b[sectorAt + 4] = sum;
}
// Applies `edit` to the start of every UDF descriptor with tag `id`, keeping its checksum whole.
template <typename Edit>
void editTags(Bytes& b, std::uint8_t id, Edit edit) {
    for (std::size_t at = 0; at + kSector <= b.size(); at += kSector) {
        if (b[at] != id || b[at + 1] != 0 || b[at + 12] + (b[at + 13] << 8) != int(at / kSector))
            continue;
        edit(at);
        fixTagChecksum(b, at);
    }
}

class DiscFileSystemTest : public ::testing::Test {
  protected:
    // One image by each tool, in the scratch folder and in memory.
    void SetUp() override {
        for (DiscTool tool : kTools) {
            const std::string reason = makeDiscImage(tool, dir, name(tool));
            if (!reason.empty()) GTEST_SKIP() << reason;
            images.push_back({readFile(dir.file(name(tool)))});
        }
    }
    static std::string name(DiscTool tool) { return std::to_string(int(tool)) + ".iso"; }
    MemoryImage image(DiscTool tool) const { return images[std::size_t(tool)]; }

    static constexpr DiscTool kTools[] = {DiscTool::Xorriso, DiscTool::Genisoimage,
                                          DiscTool::Mkudffs};
    TempDir dir{"disc-fs-test"};
    std::vector<MemoryImage> images;
};

TEST_F(DiscFileSystemTest, RealImagesEndWhereTheirToolsEndedThem) {
    const char* const kinds[] = {"iso9660", "bridge", "udf"};
    for (DiscTool tool : kTools) {
        const std::size_t sectors = image(tool).bytes.size() / kSector;
        EXPECT_EQ(describe(readDiscFileSystem(dir.file(name(tool)))),
                  kinds[int(tool)] + (" " + std::to_string(sectors)));
    }
    for (const char* plain : {"content/video.vob", "missing.iso", ""})
        EXPECT_EQ(describe(readDiscFileSystem(dir.file(plain))), "none 0") << plain;
}

TEST(BytesLostByCutTest, CountsTheFileSystemBytesPastTheOutputsEnd) {
    const DiscFileSystem iso{FileSystemKind::Iso9660, 100};
    const std::tuple<DiscFileSystem, std::int64_t, std::int64_t> cases[] = {
        {iso, 100 * 2048, 0},
        {iso, 100 * 2048 + 1, 0},
        {iso, 99 * 2048 + 1, 2047},
        {iso, -2048, 100 * 2048},
        {{}, 0, 0}};
    for (const auto& [fs, output, lost] : cases) EXPECT_EQ(bytesLostByCut(fs, output), lost);
}

TEST_F(DiscFileSystemTest, DamagedFieldsAreNeverTakenForASizeNorReadForLong) {
    using Edit = std::function<void(Bytes&)>;
    const auto tags = [](std::uint8_t id, std::function<void(Bytes&, std::size_t)> edit) {
        return [=](Bytes& b) { editTags(b, id, [&](std::size_t at) { edit(b, at); }); };
    };
    // Image, damage, what is read (N: the image's own size).
    const std::tuple<DiscTool, const char*, Edit, const char*> cases[] = {
        {DiscTool::Xorriso, "ISO size 0", [](Bytes& b) { put32both(b, kIsoPvd + 80, 0); },
         "none 0"},
        {DiscTool::Xorriso, "ISO size 2^32-1", [](Bytes& b) { put32both(b, kIsoPvd + 80, ~0u); },
         "none 0"},
        {DiscTool::Xorriso, "ISO size copies differ", [](Bytes& b) { put32(b, kIsoPvd + 80, 9); },
         "none 0"},
        {DiscTool::Xorriso, "ISO blocks of 4096",
         [](Bytes& b) { put16both(b, kIsoPvd + 128, 4096); }, "none 0"},
        {DiscTool::Xorriso, "ISO block size copies differ", [](Bytes& b) { b[kIsoPvd + 129] = 4; },
         "none 0"},
        {DiscTool::Genisoimage, "shorter than sector 16", [](Bytes& b) { b.resize(15 * kSector); },
         "none 0"},
        {DiscTool::Genisoimage, "no NSR: the ISO alone",
         [](Bytes& b) { b[19 * kSector + 1] = 'X'; }, "iso9660 N"},
        {DiscTool::Mkudffs, "anchor checksum", [](Bytes& b) { b[kAnchor + 4] ^= 1; }, "none 0"},
        {DiscTool::Mkudffs, "anchor written for another place",
         [](Bytes& b) {
             put32(b, kAnchor + 12, 255);
             fixTagChecksum(b, kAnchor);
         },
         "none 0"},
        {DiscTool::Mkudffs, "sequences past the end",
         tags(2, [](Bytes& b, std::size_t at) { put32(b, at + 20, ~0u), put32(b, at + 28, ~0u); }),
         "none 0"},
        {DiscTool::Mkudffs, "sequences 2^32-1 bytes long",
         tags(2, [](Bytes& b, std::size_t at) { put32(b, at + 16, ~0u), put32(b, at + 24, ~0u); }),
         "none 0"},
        {DiscTool::Mkudffs, "logical blocks of 4096",
         tags(6, [](Bytes& b, std::size_t at) { put32(b, at + 212, 4096); }), "none 0"},
        {DiscTool::Mkudffs, "partition length 0",
         tags(5, [](Bytes& b, std::size_t at) { put32(b, at + 192, 0); }), "none 0"},
        {DiscTool::Mkudffs, "partition length 2^32-1",
         tags(5, [](Bytes& b, std::size_t at) { put32(b, at + 192, ~0u); }), "none 0"},
        // The first descriptor of each sequence becomes a pointer to itself.
        {DiscTool::Mkudffs, "sequence pointing to itself",
         tags(1,
              [](Bytes& b, std::size_t at) {
                  b[at] = 3;
                  put32(b, at + 20, 16 * kSector), put32(b, at + 24, std::uint32_t(at / kSector));
              }),
         "none 0"},
        // The terminator points back to the start: endless, but the volume was read on the way.
        {DiscTool::Mkudffs, "sequence looping to its start",
         tags(8,
              [](Bytes& b, std::size_t at) {
                  b[at] = 3;
                  put32(b, at + 20, 16 * kSector),
                      put32(b, at + 24, std::uint32_t(at / kSector - 5));
              }),
         "udf N"},
    };
    for (const auto& [tool, what, damage, expected] : cases) {
        SCOPED_TRACE(what);
        MemoryImage m = image(tool);
        std::string want = expected;
        if (want.back() == 'N')
            want.replace(want.size() - 1, 1, std::to_string(m.bytes.size() / kSector));
        damage(m.bytes);
        EXPECT_EQ(describe(m.read()), want);
        EXPECT_LE(m.reads, kMaxSectorsRead);
    }
}

// Random bytes of the sectors a real image's reading visits are overwritten, by turns with
// numbers that point somewhere (0, 2^32-1, a nearby sector) and with the tag checksum mended so
// that the damage reaches past it.
TEST_F(DiscFileSystemTest, FuzzedImagesAreReadSafelyWithinTheBudget) {
    std::mt19937 random(20240517);
    const auto below = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    int cases = 0;
    for (DiscTool tool : kTools) {
        MemoryImage m = image(tool);
        m.read();
        std::vector<std::size_t> visited; // where the sectors read lie in the image
        for (std::int64_t sector : m.asked)
            if (std::size_t(sector + 1) * kSector <= m.bytes.size())
                visited.push_back(sector * kSector);
        const Bytes original = m.bytes;
        for (int i = 0; i < kFuzzCasesPerImage; ++i, ++cases) {
            const std::size_t at = visited[below(visited.size())];
            for (std::size_t k = 1 + below(4); k > 0; --k) {
                const std::size_t field = at + below(512) / 4 * 4;
                const std::uint32_t numbers[] = {0, ~0u, std::uint32_t(below(300)),
                                                 std::uint32_t(random())};
                put32(m.bytes, field, numbers[below(4)]);
            }
            if (below(2) != 0) fixTagChecksum(m.bytes, at);
            const DiscFileSystem fs = m.read();
            ASSERT_LE(m.reads, kMaxSectorsRead);
            ASSERT_EQ(fs.kind == FileSystemKind::None, fs.sectors == 0);
            std::copy_n(original.begin() + std::ptrdiff_t(at), kSector,
                        m.bytes.begin() + std::ptrdiff_t(at));
        }
    }
    EXPECT_EQ(cases, 3 * kFuzzCasesPerImage);
}

} // namespace
} // namespace cutting
