// Label2's text for a file's length, and the file lookup behind it.
#include "mainwindow/sector_count.h"

#include "cutting/file_error.h"
#include "form1_fixture.h"

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

TEST(LookUpFileSize, GivesTheLengthOrRaisesFileNotFound) {
    const test::TempDir dir;
    const QString image = dir.file("image.ISO");
    test::makeImage(image, 4706076672u, 16);
    EXPECT_EQ(lookUpFileSize(image.toStdString()), 4706076672u);
    for (const QString& path : {dir.file("missing.ISO"), dir.file(""), QString()}) {
        try {
            lookUpFileSize(path.toStdString());
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const cutting::FileError& e) {
            EXPECT_EQ(e.number(), cutting::errnum::kFileNotFound);
            EXPECT_NE(e.description().find(path.toStdString()), std::string::npos);
        }
    }
    EXPECT_THROW(lookUpFileSize(std::string("a\0b", 3)), cutting::FileError);
}

} // namespace
} // namespace form1
