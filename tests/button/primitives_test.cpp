// The six drawing primitives, pixel by pixel on a bare image: fill and frame extents, lines
// without their end pixel and with the platform's tie rule, the bevel's stroke list at both
// insets, the two-pixel ellipse outline, single pixels and the inverting dotted focus
// rectangle.
#include "button/paint/primitives.h"
#include "common/numbered_error.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace chameleon {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

// Black is what the surface is cleared to; white shows inverted black.
constexpr Rgb Palette[] = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0xFFFFFF};
constexpr char Letters[] = ".ABCDW";
constexpr Rgb ColA = Palette[1], ColB = Palette[2], ColC = Palette[3], ColD = Palette[4];

struct PrimitivesTest : ::testing::Test {
    QImage s{8, 6, QImage::Format_RGB32};

    PrimitivesTest() { clear(); }
    void resize(int w, int h) {
        s = QImage(w, h, QImage::Format_RGB32);
        clear();
    }
    void clear() { s.fill(Qt::black); }
    Rgb pixel(int x, int y) const {
        const QRgb p = s.pixel(x, y);
        return rgb(qRed(p), qGreen(p), qBlue(p));
    }

    // The surface as rows of letters: '.' black, 'A' to 'D' the test colours, 'W' white.
    std::string grid() const {
        std::string out;
        for (int y = 0; y < s.height(); ++y, out += '\n')
            for (int x = 0; x < s.width(); ++x) {
                const auto* p = std::find(std::begin(Palette), std::end(Palette), pixel(x, y));
                out += p == std::end(Palette) ? '?' : Letters[p - Palette];
            }
        return out;
    }

    PixelSet painted() const {
        PixelSet set;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                if (pixel(x, y) != 0) set.insert({x, y});
        return set;
    }
};

TEST_F(PrimitivesTest, BoxFillAndFrameCoverXToXPlusWidthMinusOneClipped) {
    resize(12, 8);
    PaintBox(s, 0, 0, 10, 5, ColA, true);
    PaintBox(s, 2, 2, 3, 2, ColB, false);
    PaintBox(s, 11, 0, 1, 3, ColC, true); // a one-pixel-wide frame is a column
    PaintBox(s, 0, 6, 3, 1, ColD, true);
    PaintBox(s, 9, 6, 100, 100, ColB, false);
    PaintBox(s, 9, 6, 0, 3, ColA, false); // empty or inverted: nothing
    PaintBox(s, 9, 6, -2, 3, ColA, false);
    PaintBox(s, 9, 6, 3, -1, ColA, true);
    EXPECT_EQ(grid(), "AAAAAAAAAA.C\n"
                      "A........A.C\n"
                      "A.BBB....A.C\n"
                      "A.BBB....A..\n"
                      "AAAAAAAAAA..\n"
                      "............\n"
                      "DDD......BBB\n"
                      ".........BBB\n");
    EXPECT_THROW(PaintBox(s, INT32_MAX - 1, 0, 5, 1, ColA, false), qdct::NumberedError);
}

TEST_F(PrimitivesTest, LinesDrawTheStartPixelOmitTheEndAndAreClipped) {
    resize(17, 10);
    PaintLine(s, 2, 1, 8, 1, ColA); // rightward: x = 2 to 7
    PaintLine(s, 8, 2, 3, 2, ColB); // leftward
    PaintLine(s, 0, 1, 0, 5, ColC); // downward
    PaintLine(s, 9, 5, 9, 2, ColD); // upward
    PaintLine(s, 1, 2, 4, 5, ColA); // diagonal
    PaintLine(s, 6, 4, 6, 4, ColB); // zero length: nothing
    // Exactly half-way rows: rightward-down lines keep the row, leftward-up lines step.
    PaintLine(s, 10, 0, 14, 2, ColA);
    PaintLine(s, 14, 5, 10, 3, ColB);
    // From far outside; the steep one crosses where its ideal line does (x = 16.0 at y = 0).
    PaintLine(s, -2000000000, 8, 2000000000, 8, ColA);
    PaintLine(s, 15, 2000000000, 15, -2000000000, ColB);
    PaintLine(s, 15, -1000000, 17, 1000000, ColC);
    EXPECT_EQ(grid(), "..........AA...BC\n"
                      "C.AAAAAA....AA.BC\n"
                      "CA..BBBBB......BC\n"
                      "C.A......D.B...BC\n"
                      "C..A.....D..BB.BC\n"
                      ".........D....BBC\n"
                      "...............BC\n"
                      "...............BC\n"
                      "AAAAAAAAAAAAAAABC\n"
                      "...............BC\n");
}

TEST_F(PrimitivesTest, ALineAndItsReverseCoverTheSamePixels) {
    resize(24, 24);
    QRandomGenerator rng(7);
    for (int n = 0; n < 400; ++n) {
        const int x1 = rng.bounded(24), y1 = rng.bounded(24);
        const int x2 = rng.bounded(24), y2 = rng.bounded(24);
        if (x1 == x2 && y1 == y2) continue;
        clear();
        PaintLine(s, x1, y1, x2, y2, ColA);
        PixelSet forward = painted();
        clear();
        PaintLine(s, x2, y2, x1, y1, ColA);
        PixelSet backward = painted();
        ASSERT_EQ(forward.count({x1, y1}), 1u);
        ASSERT_EQ(forward.count({x2, y2}), 0u);
        forward.insert({x2, y2});
        backward.insert({x1, y1});
        ASSERT_EQ(forward, backward) << x1 << "," << y1 << " -> " << x2 << "," << y2;
        ASSERT_EQ(forward.size(), std::size_t(std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1));
    }
}

TEST_F(PrimitivesTest, BevelRingsAtBothInsets) {
    resize(7, 6);
    PaintBevel(s, 7, 6, ColA, ColB, ColC, ColD, 0, false);
    EXPECT_EQ(grid(), "AAAAAAB\n"
                      "ACCCCDB\n"
                      "AC...DB\n"
                      "AC...DB\n"
                      "ADDDDDB\n"
                      "BBBBBBB\n");
    // One ring on the outermost pixels, then two rings one pixel further in.
    resize(8, 7);
    PaintBevel(s, 8, 7, ColA, ColB, ColC, ColD, 0, true);
    PaintBevel(s, 8, 7, ColC, ColD, ColA, ColB, -1, false);
    EXPECT_EQ(grid(), "AAAAAAAB\n"
                      "ACCCCCDB\n"
                      "ACAAABDB\n"
                      "ACA..BDB\n"
                      "ACBBBBDB\n"
                      "ADDDDDDB\n"
                      "BBBBBBBB\n");
}

TEST_F(PrimitivesTest, PixelSetsOnePixelAndIgnoresOutside) {
    for (auto [x, y] : {std::pair{3, 4}, {-1, 0}, {8, 0}, {0, 6}}) PaintPixel(s, x, y, ColA);
    EXPECT_EQ(painted(), (PixelSet{{3, 4}}));
}

TEST_F(PrimitivesTest, OvalIsFilledInsideATwoPixelOutline) {
    resize(12, 8);
    PaintOval(s, 0, 0, 12, 8, ColA, ColB);
    EXPECT_EQ(grid(), "...AAAAAA...\n"
                      ".AAAAAAAAAA.\n"
                      "AAABBBBBBAAA\n"
                      "AABBBBBBBBAA\n"
                      "AABBBBBBBBAA\n"
                      "AAABBBBBBAAA\n"
                      ".AAAAAAAAAA.\n"
                      "...AAAAAA...\n");
    resize(4, 3); // too small for a fill
    PaintOval(s, 0, 0, 4, 3, ColA, ColB);
    PaintOval(s, 0, 0, 0, 3, ColC, ColC); // empty box: nothing
    EXPECT_EQ(grid(), ".AA.\n"
                      "AAAA\n"
                      ".AA.\n");
    // Odd and uneven sizes: symmetric, and along each axis from the edge inward: outside,
    // two outline pixels, then the fill; the box's corners stay outside.
    for (auto [w, h] : {std::pair{40, 40}, {41, 23}, {75, 23}, {9, 30}}) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h);
        const int W = w + 4, H = h + 4, cx = 2 + w / 2, cy = 2 + h / 2;
        resize(W, H);
        PaintOval(s, 2, 2, w, h, ColA, ColB);
        EXPECT_TRUE(s == s.mirrored(true, false));
        EXPECT_TRUE(s == s.mirrored(false, true));
        const Rgb along[] = {0, ColA, ColA, ColB};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(pixel(1 + i, cy), along[i]);
            EXPECT_EQ(pixel(cx, 1 + i), along[i]);
        }
        EXPECT_EQ(pixel(2, 2), 0);
    }
}

TEST_F(PrimitivesTest, FocusRectangleInvertsEveryOtherBorderPixel) {
    resize(9, 7);
    const Rect focus{1, 1, 8, 6};
    PaintFocusRect(s, focus);
    EXPECT_EQ(grid(), ".........\n"
                      ".W.W.W.W.\n"
                      ".........\n"
                      ".W.....W.\n"
                      ".........\n"
                      ".W.W.W.W.\n"
                      ".........\n");
    // Inverting, not painting: drawn again, it disappears; on white it shows black dots.
    PaintFocusRect(s, focus);
    EXPECT_TRUE(painted().empty());
    s.fill(Qt::white);
    PaintFocusRect(s, focus);
    EXPECT_EQ(pixel(1, 1), 0x000000);
    EXPECT_EQ(pixel(2, 1), 0xFFFFFF);
}

} // namespace
} // namespace chameleon
