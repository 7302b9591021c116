// The file-system reader against images made by real tools, against the same images damaged
// as hostile images are, and under a bounded fuzz loop: every answer comes within
// kMaxSectorsRead reads, and a damaged field is never taken for a size.
#include "cutting/disc_filesystem.h"

#include "disc_images.h"

#include <gtest/gtest.h>
#include <random>

namespace cutting {
namespace {

using namespace test;

constexpr std::size_t kSector = kReadSectorBytes;
constexpr int kFuzzCasesPerImage = 2000;
constexpr std::uint32_t kSelf = 0xDEADBEEF; // an edit's value: the edited sector's own number

std::string describe(const DiscFileSystem& fs) {
    return std::array{"none", "iso9660", "udf", "bridge"}[int(fs.kind)] +
           (" " + std::to_string(fs.sectors));
}

// An image in memory, read through a SectorReader that notes the sectors asked for.
struct MemoryImage {
    Bytes bytes;
    std::vector<std::int64_t> asked{};
    std::string read() {
        asked.clear();
        return describe(readDiscFileSystem([this](std::int64_t n, std::span<std::uint8_t> out) {
            asked.push_back(n);
            if (n < 0 || n >= std::ssize(bytes) / std::ssize(out)) return false;
            std::copy_n(bytes.begin() + n * std::ssize(out), out.size(), out.begin());
            return true;
        }));
    }
};

enum Field { U8, Le32, Both16, Both32 }; // both: little-endian, then big-endian
void put(Bytes& b, std::size_t at, Field field, std::uint32_t v) {
    const int n = field == U8 ? 1 : field == Both16 ? 2 : 4;
    for (int i = 0; i < n; ++i)
        b[at + i] = b[field >= Both16 ? at + 2 * n - 1 - i : at + i] = std::uint8_t(v >> 8 * i);
}
void mendChecksum(Bytes& b, std::size_t at) {
    b[at + 4] = 0;
    for (std::size_t i = 0; i < 16; ++i) b[at + 4] += i == 4 ? 0 : b[at + i];
}

// Sector, byte, field, value: `value` into `field` at that byte of the sector or, with a
// negative sector -T, of every UDF descriptor tagged T, its checksum mended.
using Edit = std::tuple<int, std::size_t, Field, std::uint32_t>;
void apply(Bytes& b, const Edit& edit) {
    const auto& [where, offset, field, value] = edit;
    for (std::size_t s = 0, at = 0; at < b.size(); ++s, at += kSector) {
        const bool tagged = b[at] == -where && b[at + 12] + 256 * b[at + 13] == int(s);
        if (where >= 0 ? int(s) != where : !tagged) continue;
        put(b, at + offset, field, value == kSelf ? std::uint32_t(s) : value);
        if (where < 0) mendChecksum(b, at);
    }
}

class DiscFileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override { // one image by each tool, as a file and in memory
        for (int tool = 0; tool < 3; ++tool) {
            const std::string why = makeDiscImage(DiscTool(tool), dir, name(tool));
            if (!why.empty()) GTEST_SKIP() << why;
            images.push_back({readFile(dir.file(name(tool)))});
        }
    }
    static std::string name(int tool) { return std::to_string(tool) + ".iso"; }

    TempDir dir{"disc-fs-test"};
    std::vector<MemoryImage> images; // by DiscTool
};

TEST_F(DiscFileSystemTest, RealImagesEndWhereTheirToolsEndedThem) {
    const char* const kinds[] = {"iso9660 ", "bridge ", "udf "};
    for (int tool = 0; tool < 3; ++tool)
        EXPECT_EQ(describe(readDiscFileSystem(dir.file(name(tool)))),
                  kinds[tool] + std::to_string(images[tool].bytes.size() / kSector));
    for (const char* plain : {"content/video.vob", "missing.iso", ""})
        EXPECT_EQ(describe(readDiscFileSystem(dir.file(plain))), "none 0") << plain;
}

TEST_F(DiscFileSystemTest, DamagedFieldsAreNeverTakenForASizeNorReadForLong) {
    using enum DiscTool;
    // Image, damage, what is read (ending in a blank: followed by the image's own size).
    const std::tuple<DiscTool, std::vector<Edit>, std::string> cases[] = {
        {Xorriso, {{16, 80, Both32, 0}}, "none 0"},     // ISO volume size 0
        {Xorriso, {{16, 80, Both32, ~0u}}, "none 0"},   // and 2^32-1
        {Xorriso, {{16, 80, Le32, 9}}, "none 0"},       // copies that differ
        {Xorriso, {{16, 128, Both16, 4096}}, "none 0"}, // ISO blocks of 4096
        {Xorriso, {{16, 129, U8, 4}}, "none 0"},        // block size copies that differ
        {Genisoimage, {{19, 1, U8, 'X'}}, "iso9660 "},  // no NSR02: the ISO alone
        {Mkudffs, {{256, 5, U8, 1}}, "none 0"},         // anchor checksum
        {Mkudffs, {{-2, 12, Le32, 255}}, "none 0"},     // anchor made for another sector
        {Mkudffs, {{-2, 20, Le32, ~0u}}, "udf "},       // main sequence past the end
        {Mkudffs, {{-2, 20, Le32, ~0u}, {-2, 28, Le32, ~0u}}, "none 0"}, // and the reserve
        {Mkudffs, {{-2, 16, Le32, ~0u}, {-2, 24, Le32, ~0u}}, "none 0"}, // 2^32-1 bytes long
        {Mkudffs, {{-6, 212, Le32, 4096}}, "none 0"},                    // logical blocks of 4096
        {Mkudffs, {{-5, 192, Le32, 0}}, "none 0"},                       // partition length 0
        {Mkudffs, {{-5, 192, Le32, ~0u}}, "none 0"},                     // and 2^32-1
        // Each sequence's first descriptor, or its terminator, a pointer to itself.
        {Mkudffs, {{-1, 20, Le32, kSector}, {-1, 24, Le32, kSelf}, {-1, 0, U8, 3}}, "none 0"},
        {Mkudffs, {{-8, 20, Le32, kSector}, {-8, 24, Le32, kSelf}, {-8, 0, U8, 3}}, "udf "}};
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const auto& [tool, edits, expected] = cases[row];
        MemoryImage m = images[int(tool)];
        const std::string n = std::to_string(m.bytes.size() / kSector);
        for (const Edit& edit : edits) apply(m.bytes, edit);
        EXPECT_EQ(m.read(), expected + (expected.back() == ' ' ? n : "")) << "row " << row;
        EXPECT_LE(m.asked.size(), std::size_t(kMaxSectorsRead));
    }
    MemoryImage shorter{Bytes(images[1].bytes.begin(), images[1].bytes.begin() + 15 * kSector)};
    EXPECT_EQ(shorter.read(), "none 0");
}

// Words of the sectors a real image's reading visits are overwritten with numbers that point
// somewhere (0, 2^32-1, a nearby sector, any), the tag checksum mended half the time.
TEST_F(DiscFileSystemTest, FuzzedImagesAreReadSafelyWithinTheBudget) {
    std::mt19937 random(20240517);
    const auto below = [&](std::size_t n) { return std::size_t(random() % n); };
    for (MemoryImage m : images) {
        m.read();
        std::vector<std::size_t> visited; // where those sectors start in the image
        for (std::int64_t n : m.asked)
            if (std::size_t(n + 1) * kSector <= m.bytes.size()) visited.push_back(n * kSector);
        const Bytes original = m.bytes;
        for (int i = 0; i < kFuzzCasesPerImage; ++i) {
            const std::size_t at = visited[below(visited.size())];
            const std::uint32_t numbers[] = {0, ~0u, std::uint32_t(below(300)),
                                             std::uint32_t(random())};
            for (std::size_t k = 1 + below(4); k > 0; --k)
                put(m.bytes, at + 4 * below(128), Le32, numbers[below(4)]);
            if (below(2) != 0) mendChecksum(m.bytes, at);
            const std::string read = m.read();
            ASSERT_LE(m.asked.size(), std::size_t(kMaxSectorsRead));
            ASSERT_EQ(read.starts_with("none"), read.ends_with(" 0")) << read;
            std::copy_n(original.begin() + std::ptrdiff_t(at), kSector,
                        m.bytes.begin() + std::ptrdiff_t(at));
        }
    }
}

} // namespace
} // namespace cutting
