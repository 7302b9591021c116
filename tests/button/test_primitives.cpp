// The six drawing primitives, pixel by pixel: fill and frame extents, lines without their end
// pixel and with the platform's tie rule, the bevel's stroke list at both insets, the
// two-pixel ellipse outline, single pixels and the inverting dotted focus rectangle.
#include "button/primitives.h"
#include "test_host.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace chameleon {
namespace {

using testing::TestHost;

constexpr Rgb Black = 0x000000; // what the test host clears to
constexpr Rgb ColA = 0x0000FF, ColB = 0x00FF00, ColC = 0xFF0000, ColD = 0xFFFF00;

struct PrimitivesTest : ::testing::Test {
    TestHost host{8, 6};
    Control c{host};

    void resize(int w, int h) {
        host.resize(w, h);
        c.r.ClientWidth = w;
        c.r.ClientHeight = h;
    }

    // The surface as rows of letters: '.' black, 'A' to 'D' the four test colours, '?' other.
    std::string grid() const {
        std::string out;
        for (int y = 0; y < host.image.height(); ++y) {
            for (int x = 0; x < host.image.width(); ++x) {
                const Rgb p = host.pixel(x, y);
                out += p == Black  ? '.'
                       : p == ColA ? 'A'
                       : p == ColB ? 'B'
                       : p == ColC ? 'C'
                       : p == ColD ? 'D'
                                   : '?';
            }
            out += '\n';
        }
        return out;
    }

    // The set of non-black pixels.
    std::set<std::pair<int, int>> painted() const {
        std::set<std::pair<int, int>> s;
        for (int y = 0; y < host.image.height(); ++y)
            for (int x = 0; x < host.image.width(); ++x)
                if (host.pixel(x, y) != Black) s.insert({x, y});
        return s;
    }
};

TEST_F(PrimitivesTest, BoxFillAndFrameCoverXToXPlusWidthMinusOne) {
    PaintBox(c, 1, 1, 4, 3, ColA, false);
    EXPECT_EQ(grid(), "........\n"
                      ".AAAA...\n"
                      ".AAAA...\n"
                      ".AAAA...\n"
                      "........\n"
                      "........\n");
    host.clearSurface();
    PaintBox(c, 1, 1, 5, 4, ColB, true);
    EXPECT_EQ(grid(), "........\n"
                      ".BBBBB..\n"
                      ".B...B..\n"
                      ".B...B..\n"
                      ".BBBBB..\n"
                      "........\n");
    host.clearSurface();
    PaintBox(c, 6, 0, 1, 3, ColB, true); // a one-pixel-wide frame is a column
    PaintBox(c, 0, 5, 3, 1, ColA, true);
    EXPECT_EQ(grid(), "......B.\n"
                      "......B.\n"
                      "......B.\n"
                      "........\n"
                      "........\n"
                      "AAA.....\n");
}

TEST_F(PrimitivesTest, BoxClipsAndIgnoresEmptyRectangles) {
    PaintBox(c, 2, 2, 0, 3, ColA, false);
    PaintBox(c, 2, 2, -2, 3, ColA, false);
    PaintBox(c, 2, 2, 3, -1, ColA, true);
    EXPECT_TRUE(painted().empty());
    PaintBox(c, -3, -3, 5, 5, ColA, true); // only the frame's far sides fall inside
    PaintBox(c, 6, 4, 100, 100, ColB, false);
    EXPECT_EQ(grid(), ".A......\n"
                      "AA......\n"
                      "........\n"
                      "........\n"
                      "......BB\n"
                      "......BB\n");
    EXPECT_THROW(PaintBox(c, INT32_MAX - 1, 0, 5, 1, ColA, false), ControlError);
}

TEST_F(PrimitivesTest, LinesDrawTheStartPixelAndOmitTheEnd) {
    PaintLine(c, 1, 0, 5, 0, ColA); // rightward
    PaintLine(c, 6, 1, 2, 1, ColB); // leftward
    PaintLine(c, 0, 1, 0, 5, ColC); // downward
    PaintLine(c, 7, 5, 7, 2, ColD); // upward
    PaintLine(c, 2, 2, 5, 5, ColA); // diagonal
    PaintLine(c, 6, 2, 6, 2, ColB); // zero length: nothing
    EXPECT_EQ(grid(), ".AAAA...\n"
                      "C..BBBB.\n"
                      "C.A.....\n"
                      "C..A...D\n"
                      "C...A..D\n"
                      ".......D\n");
}

TEST_F(PrimitivesTest, ShallowLinesBreakTiesLikeThePlatform) {
    // Exactly half-way rows: rightward-down lines keep the row, leftward-up lines step, so a
    // line and its reverse cover the same pixels.
    PaintLine(c, 0, 0, 4, 2, ColA);
    PaintLine(c, 4, 5, 0, 3, ColB);
    EXPECT_EQ(grid(), "AA......\n"
                      "..AA....\n"
                      "........\n"
                      ".B......\n"
                      "..BB....\n"
                      "....B...\n");
}

TEST_F(PrimitivesTest, ALineAndItsReverseCoverTheSamePixels) {
    resize(24, 24);
    QRandomGenerator rng(7);
    for (int n = 0; n < 400; ++n) {
        const int x1 = rng.bounded(24), y1 = rng.bounded(24);
        const int x2 = rng.bounded(24), y2 = rng.bounded(24);
        if (x1 == x2 && y1 == y2) continue;
        host.clearSurface();
        PaintLine(c, x1, y1, x2, y2, ColA);
        auto forward = painted();
        host.clearSurface();
        PaintLine(c, x2, y2, x1, y1, ColA);
        auto backward = painted();
        ASSERT_EQ(forward.count({x1, y1}), 1u);
        ASSERT_EQ(forward.count({x2, y2}), 0u);
        forward.insert({x2, y2});
        backward.insert({x1, y1});
        ASSERT_EQ(forward, backward) << x1 << "," << y1 << " -> " << x2 << "," << y2;
        const std::size_t length = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        ASSERT_EQ(forward.size(), length + 1);
    }
}

TEST_F(PrimitivesTest, LinesFromFarOutsideAreClipped) {
    PaintLine(c, -2000000000, 2, 2000000000, 2, ColA);
    PaintLine(c, 3, 2000000000, 3, -2000000000, ColB);
    // A steep line from far away crosses where its ideal line does (x = 5.0 at y = 0).
    PaintLine(c, 4, -1000000, 6, 1000000, ColC);
    EXPECT_EQ(grid(), "...B.C..\n"
                      "...B.C..\n"
                      "AAABACAA\n"
                      "...B.C..\n"
                      "...B.C..\n"
                      "...B.C..\n");
}

TEST_F(PrimitivesTest, BevelAtInsetZeroFollowsItsStrokeList) {
    resize(7, 6);
    PaintBevel(c, ColA, ColB, ColC, ColD, 0, false);
    EXPECT_EQ(grid(), "AAAAAAB\n"
                      "ACCCCDB\n"
                      "AC...DB\n"
                      "AC...DB\n"
                      "ADDDDDB\n"
                      "BBBBBBB\n");
}

TEST_F(PrimitivesTest, BevelAtInsetMinusOneAndOuterOnly) {
    resize(8, 7);
    PaintBevel(c, ColA, ColB, ColC, ColD, -1, false);
    EXPECT_EQ(grid(), "........\n"
                      ".AAAAAB.\n"
                      ".ACCCDB.\n"
                      ".AC..DB.\n"
                      ".ADDDDB.\n"
                      ".BBBBBB.\n"
                      "........\n");
    host.clearSurface();
    PaintBevel(c, ColA, ColB, ColC, ColD, 0, true);
    EXPECT_EQ(grid(), "AAAAAAAB\n"
                      "A......B\n"
                      "A......B\n"
                      "A......B\n"
                      "A......B\n"
                      "A......B\n"
                      "BBBBBBBB\n");
}

TEST_F(PrimitivesTest, PixelSetsOnePixelAndIgnoresOutside) {
    PaintPixel(c, 3, 4, ColA);
    PaintPixel(c, -1, 0, ColB);
    PaintPixel(c, 8, 0, ColB);
    PaintPixel(c, 0, 6, ColB);
    EXPECT_EQ(painted(), (std::set<std::pair<int, int>>{{3, 4}}));
}

TEST_F(PrimitivesTest, OvalIsFilledInsideATwoPixelOutline) {
    resize(12, 8);
    PaintOval(c, 0, 0, 12, 8, ColA, ColB);
    EXPECT_EQ(grid(), "...AAAAAA...\n"
                      ".AAAAAAAAAA.\n"
                      "AAABBBBBBAAA\n"
                      "AABBBBBBBBAA\n"
                      "AABBBBBBBBAA\n"
                      "AAABBBBBBAAA\n"
                      ".AAAAAAAAAA.\n"
                      "...AAAAAA...\n");
}

TEST_F(PrimitivesTest, OvalIsSymmetricWithAnOutlineTwoPixelsWideOnItsAxes) {
    for (auto [w, h] : {std::pair{40, 40}, {41, 23}, {75, 23}, {9, 30}}) {
        resize(w + 4, h + 4);
        PaintOval(c, 2, 2, w, h, ColA, ColB);
        const int W = w + 4, H = h + 4;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                ASSERT_EQ(host.pixel(x, y), host.pixel(W - 1 - x, y)) << w << "x" << h;
                ASSERT_EQ(host.pixel(x, y), host.pixel(x, H - 1 - y)) << w << "x" << h;
            }
        const int cx = 2 + w / 2, cy = 2 + h / 2;
        EXPECT_EQ(host.pixel(1, cy), Black);
        EXPECT_EQ(host.pixel(2, cy), ColA);
        EXPECT_EQ(host.pixel(3, cy), ColA);
        EXPECT_EQ(host.pixel(4, cy), ColB);
        EXPECT_EQ(host.pixel(cx, 1), Black);
        EXPECT_EQ(host.pixel(cx, 2), ColA);
        EXPECT_EQ(host.pixel(cx, 3), ColA);
        EXPECT_EQ(host.pixel(cx, 4), ColB);
        EXPECT_EQ(host.pixel(2, 2), Black); // the box's corners stay outside
        EXPECT_EQ(host.pixel(cx, cy), ColB);
    }
}

TEST_F(PrimitivesTest, TinyOvalIsAllOutline) {
    resize(4, 3);
    PaintOval(c, 0, 0, 4, 3, ColA, ColB);
    EXPECT_EQ(grid(), ".AA.\n"
                      "AAAA\n"
                      ".AA.\n");
    host.clearSurface();
    PaintOval(c, 0, 0, 0, 3, ColA, ColB);
    EXPECT_TRUE(painted().empty());
}

TEST_F(PrimitivesTest, FocusRectangleInvertsEveryOtherBorderPixel) {
    resize(9, 7);
    c.r.FocusRect = {1, 1, 8, 6};
    c.r.TextColor = 0x123456;
    PaintFocusRect(c); // neither flag
    c.r.ShowFocusRect = true;
    PaintFocusRect(c); // no focus
    EXPECT_TRUE(painted().empty());
    EXPECT_EQ(host.currentTextColor, 0);

    c.r.HasFocus = true;
    PaintFocusRect(c);
    EXPECT_EQ(host.currentTextColor, 0x123456);
    const Rgb White = 0xFFFFFF;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool border =
                (x == 1 || x == 7 || y == 1 || y == 5) && x >= 1 && x <= 7 && y >= 1 && y <= 5;
            const Rgb expected = border && (x + y) % 2 == 0 ? White : Black;
            EXPECT_EQ(host.pixel(x, y), expected) << x << "," << y;
        }
    // Inverting, not painting: drawn again, it disappears; on white it shows black dots.
    PaintFocusRect(c);
    EXPECT_TRUE(painted().empty());
    host.image.fill(Qt::white);
    PaintFocusRect(c);
    EXPECT_EQ(host.pixel(2, 1), 0xFFFFFF);
    EXPECT_EQ(host.pixel(3, 1), 0x000000);
}

} // namespace
} // namespace chameleon
