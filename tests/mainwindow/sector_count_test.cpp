// Label2's text for a file's length: whole counts, fractions, rounding and separators.
#include "mainwindow/sector_count.h"

#include <gtest/gtest.h>

namespace form1 {
namespace {

TEST(SectorCountText, WholeCountsHaveNoPointAndFractionsTheUsersSeparator) {
    EXPECT_EQ(sectorCountText(0, "."), "0");
    EXPECT_EQ(sectorCountText(4706074624u, "."), "2297888");
    EXPECT_EQ(sectorCountText(4706076672u, "."), "2297889");
    EXPECT_EQ(sectorCountText(8547991552u, "."), "4173824");
    EXPECT_EQ(sectorCountText(1000000, "."), "488.28125");
    EXPECT_EQ(sectorCountText(4195328, ","), "2048,5");
    EXPECT_EQ(sectorCountText(1, "."), "0.00048828125");
    // 15 significant digits: 2297887.99951171875 is rounded, never up to the next whole count.
    EXPECT_EQ(sectorCountText(4706074624u - 1, "."), "2297887.99951172");
    // No group separators, whatever the size.
    EXPECT_EQ(sectorCountText(std::uintmax_t{1} << 50, "."), "549755813888");
}

} // namespace
} // namespace form1
