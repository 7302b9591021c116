// The six drawing primitives, pixel by pixel: fill and frame extents, lines without their end
// pixel and with the platform's tie rule, the bevel's stroke list at both insets, the
// two-pixel ellipse outline, single pixels and the inverting dotted focus rectangle. Also the
// one drawing rule of a new control: it draws nothing until it has a height.
#include "button/primitives.h"
#include "button/render.h"
#include "recording_host.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace chameleon {
namespace {

using testing::TestHost;
using PixelSet = std::set<std::pair<int, int>>;

// Black is what the test host clears to; white shows inverted black.
constexpr Rgb Palette[] = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0xFFFFFF};
constexpr char Letters[] = ".ABCDW";
constexpr Rgb ColA = Palette[1], ColB = Palette[2], ColC = Palette[3], ColD = Palette[4];

struct PrimitivesTest : ::testing::Test {
    TestHost host{8, 6};
    Control c{host};

    void resize(int w, int h) {
        host.resize(w, h);
        c.r.ClientWidth = w;
        c.r.ClientHeight = h;
    }

    // The surface as rows of letters: '.' black, 'A' to 'D' the test colours, 'W' white.
    std::string grid() const {
        std::string out;
        for (int y = 0; y < host.image.height(); ++y, out += '\n')
            for (int x = 0; x < host.image.width(); ++x) {
                const auto* p = std::find(std::begin(Palette), std::end(Palette), host.pixel(x, y));
                out += p == std::end(Palette) ? '?' : Letters[p - Palette];
            }
        return out;
    }

    PixelSet painted() const {
        PixelSet s;
        for (int y = 0; y < host.image.height(); ++y)
            for (int x = 0; x < host.image.width(); ++x)
                if (host.pixel(x, y) != 0) s.insert({x, y});
        return s;
    }
};

TEST_F(PrimitivesTest, ANewControlDrawsNothingUntilItHasAHeight) {
    Redraw(c, StateUp, true); // the surface exists, but ClientHeight is still 0
    EXPECT_EQ(host.clears, 0);
    resize(8, 6);
    Redraw(c, StateUp, true);
    EXPECT_EQ(host.clears, 1);
}

TEST_F(PrimitivesTest, BoxFillAndFrameCoverXToXPlusWidthMinusOneClipped) {
    resize(12, 8);
    PaintBox(c, 0, 0, 10, 5, ColA, true);
    PaintBox(c, 2, 2, 3, 2, ColB, false);
    PaintBox(c, 11, 0, 1, 3, ColC, true); // a one-pixel-wide frame is a column
    PaintBox(c, 0, 6, 3, 1, ColD, true);
    PaintBox(c, 9, 6, 100, 100, ColB, false);
    PaintBox(c, 9, 6, 0, 3, ColA, false); // empty or inverted: nothing
    PaintBox(c, 9, 6, -2, 3, ColA, false);
    PaintBox(c, 9, 6, 3, -1, ColA, true);
    EXPECT_EQ(grid(), "AAAAAAAAAA.C\n"
                      "A........A.C\n"
                      "A.BBB....A.C\n"
                      "A.BBB....A..\n"
                      "AAAAAAAAAA..\n"
                      "............\n"
                      "DDD......BBB\n"
                      ".........BBB\n");
    EXPECT_THROW(PaintBox(c, INT32_MAX - 1, 0, 5, 1, ColA, false), ControlError);
}

TEST_F(PrimitivesTest, LinesDrawTheStartPixelOmitTheEndAndAreClipped) {
    resize(17, 10);
    PaintLine(c, 2, 1, 8, 1, ColA); // rightward: x = 2 to 7
    PaintLine(c, 8, 2, 3, 2, ColB); // leftward
    PaintLine(c, 0, 1, 0, 5, ColC); // downward
    PaintLine(c, 9, 5, 9, 2, ColD); // upward
    PaintLine(c, 1, 2, 4, 5, ColA); // diagonal
    PaintLine(c, 6, 4, 6, 4, ColB); // zero length: nothing
    // Exactly half-way rows: rightward-down lines keep the row, leftward-up lines step.
    PaintLine(c, 10, 0, 14, 2, ColA);
    PaintLine(c, 14, 5, 10, 3, ColB);
    // From far outside; the steep one crosses where its ideal line does (x = 16.0 at y = 0).
    PaintLine(c, -2000000000, 8, 2000000000, 8, ColA);
    PaintLine(c, 15, 2000000000, 15, -2000000000, ColB);
    PaintLine(c, 15, -1000000, 17, 1000000, ColC);
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
        host.clearSurface();
        PaintLine(c, x1, y1, x2, y2, ColA);
        PixelSet forward = painted();
        host.clearSurface();
        PaintLine(c, x2, y2, x1, y1, ColA);
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
    PaintBevel(c, ColA, ColB, ColC, ColD, 0, false);
    EXPECT_EQ(grid(), "AAAAAAB\n"
                      "ACCCCDB\n"
                      "AC...DB\n"
                      "AC...DB\n"
                      "ADDDDDB\n"
                      "BBBBBBB\n");
    // One ring on the outermost pixels, then two rings one pixel further in.
    resize(8, 7);
    PaintBevel(c, ColA, ColB, ColC, ColD, 0, true);
    PaintBevel(c, ColC, ColD, ColA, ColB, -1, false);
    EXPECT_EQ(grid(), "AAAAAAAB\n"
                      "ACCCCCDB\n"
                      "ACAAABDB\n"
                      "ACA..BDB\n"
                      "ACBBBBDB\n"
                      "ADDDDDDB\n"
                      "BBBBBBBB\n");
}

TEST_F(PrimitivesTest, PixelSetsOnePixelAndIgnoresOutside) {
    for (auto [x, y] : {std::pair{3, 4}, {-1, 0}, {8, 0}, {0, 6}}) PaintPixel(c, x, y, ColA);
    EXPECT_EQ(painted(), (PixelSet{{3, 4}}));
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
    resize(4, 3); // too small for a fill
    PaintOval(c, 0, 0, 4, 3, ColA, ColB);
    PaintOval(c, 0, 0, 0, 3, ColC, ColC); // empty box: nothing
    EXPECT_EQ(grid(), ".AA.\n"
                      "AAAA\n"
                      ".AA.\n");
    // Odd and uneven sizes: symmetric, and along each axis from the edge inward: outside,
    // two outline pixels, then the fill; the box's corners stay outside.
    for (auto [w, h] : {std::pair{40, 40}, {41, 23}, {75, 23}, {9, 30}}) {
        SCOPED_TRACE(::testing::Message() << w << "x" << h);
        const int W = w + 4, H = h + 4, cx = 2 + w / 2, cy = 2 + h / 2;
        resize(W, H);
        PaintOval(c, 2, 2, w, h, ColA, ColB);
        EXPECT_TRUE(host.image == host.image.mirrored(true, false));
        EXPECT_TRUE(host.image == host.image.mirrored(false, true));
        const Rgb along[] = {0, ColA, ColA, ColB};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(host.pixel(1 + i, cy), along[i]);
            EXPECT_EQ(host.pixel(cx, 1 + i), along[i]);
        }
        EXPECT_EQ(host.pixel(2, 2), 0);
    }
}

TEST_F(PrimitivesTest, FocusRectangleInvertsEveryOtherBorderPixelWhenShownAndFocused) {
    resize(9, 7);
    c.r.FocusRect = {1, 1, 8, 6};
    c.r.TextColor = 0x123456;
    for (auto [show, focus] : {std::pair{false, false}, {true, false}, {false, true}}) {
        c.r.ShowFocusRect = show;
        c.r.HasFocus = focus;
        PaintFocusRect(c);
    }
    EXPECT_TRUE(painted().empty());
    EXPECT_EQ(host.currentTextColor, 0);

    c.r.ShowFocusRect = true;
    PaintFocusRect(c);
    EXPECT_EQ(host.currentTextColor, 0x123456);
    const char* dotted = ".........\n"
                         ".W.W.W.W.\n"
                         ".........\n"
                         ".W.....W.\n"
                         ".........\n"
                         ".W.W.W.W.\n"
                         ".........\n";
    EXPECT_EQ(grid(), dotted);
    // Inverting, not painting: drawn again, it disappears; on white it shows black dots.
    PaintFocusRect(c);
    EXPECT_TRUE(painted().empty());
    host.image.fill(Qt::white);
    PaintFocusRect(c);
    EXPECT_EQ(host.pixel(1, 1), 0x000000);
    EXPECT_EQ(host.pixel(2, 1), 0xFFFFFF);
}

} // namespace
} // namespace chameleon
