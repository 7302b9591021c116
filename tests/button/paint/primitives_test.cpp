// The drawing primitives pixel by pixel on a bare image: boxes, lines without their end pixel and
// with the platform's tie rule, the ellipse, single pixels and the inverting dotted focus box (the
// bevel through the styles); and the pixels each ButtonType's window shape keeps.
#include "button/paint/primitives.h"
#include "button/paint/shape.h"
#include "button/paint/styles.h"
#include "common/numbered_error.h"
#include "tests/button/model/recording_host.h"

#include <QRandomGenerator>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace chameleon {
namespace {

// Black is what the surface is cleared to; white shows inverted black.
constexpr Rgb kPalette[] = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0xFFFFFF};
constexpr Rgb A = kPalette[1], B = kPalette[2], C = kPalette[3], D = kPalette[4];

struct PrimitivesTest : ::testing::Test {
    testing::TestHost host;
    QImage& s = host.image; // cleared to black by every resize
    void resize(int w, int h) { host.resize(w, h); }
    Rgb pixel(int x, int y) const { return host.pixel(x, y); }
    // The surface as rows of letters: '.' black, 'A' to 'D' the test colours, 'W' white.
    std::string grid() const {
        std::string out;
        for (int y = 0; y < s.height(); ++y, out += '\n')
            for (int x = 0; x < s.width(); ++x) {
                const auto* p = std::find(std::begin(kPalette), std::end(kPalette), pixel(x, y));
                out += p == std::end(kPalette) ? '?' : ".ABCDW"[p - kPalette];
            }
        return out;
    }
};

TEST_F(PrimitivesTest, BoxesPixelsAndFocusRectangle) {
    resize(12, 8);
    PaintBox(s, 0, 0, 10, 5, A, true);
    PaintBox(s, 2, 2, 3, 2, B, false);
    PaintBox(s, 11, 0, 1, 3, C, true); // a one-pixel-wide frame is a column
    PaintBox(s, 0, 6, 3, 1, D, true);
    PaintBox(s, 9, 6, 100, 100, B, false);
    PaintBox(s, 9, 6, 0, 3, A, false); // empty or inverted: nothing
    PaintBox(s, 9, 6, -2, 3, A, false);
    PaintBox(s, 9, 6, 3, -1, A, true);
    for (auto [x, y] : {std::pair{6, 6}, {-1, 0}, {12, 0}, {0, 8}}) PaintPixel(s, x, y, C);
    PaintFocusRect(s, Rect{5, 1, 8, 4}); // inverts the pixels with x + y even
    EXPECT_EQ(grid(), "AAAAAAAAAA.C\n"
                      "A....W.W.A.C\n"
                      "A.BBB....A.C\n"
                      "A.BBBW.W.A..\n"
                      "AAAAAAAAAA..\n"
                      "............\n"
                      "DDD...C..BBB\n"
                      ".........BBB\n");
    PaintFocusRect(s, Rect{5, 1, 8, 4}); // drawn again, it disappears; on colour it inverts
    PaintFocusRect(s, Rect{0, 0, 2, 2});
    EXPECT_EQ(pixel(5, 1), 0);
    EXPECT_EQ(pixel(0, 0), 0xFFFFFF ^ A);
    EXPECT_EQ(pixel(1, 0), A);
    EXPECT_THROW(PaintBox(s, INT32_MAX - 1, 0, 5, 1, A, false), qdct::NumberedError);
}

TEST_F(PrimitivesTest, LinesDrawTheStartPixelOmitTheEndAndAreClipped) {
    resize(17, 10);
    PaintLine(s, 2, 1, 8, 1, A); // rightward: x = 2 to 7
    PaintLine(s, 8, 2, 3, 2, B); // leftward
    PaintLine(s, 0, 1, 0, 5, C); // downward
    PaintLine(s, 9, 5, 9, 2, D); // upward
    PaintLine(s, 1, 2, 4, 5, A); // diagonal
    PaintLine(s, 6, 4, 6, 4, B); // zero length: nothing
    // Exactly half-way rows: rightward-down lines keep the row, leftward-up lines step.
    PaintLine(s, 10, 0, 14, 2, A);
    PaintLine(s, 14, 5, 10, 3, B);
    // From far outside; the steep one crosses where its ideal line does (x = 16.0 at y = 0).
    PaintLine(s, -2000000000, 8, 2000000000, 8, A);
    PaintLine(s, 15, 2000000000, 15, -2000000000, B);
    PaintLine(s, 15, -1000000, 17, 1000000, C);
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
    // In every direction a line and its reverse cover the same pixels but the omitted end, as
    // many as the longer side spans.
    resize(24, 24);
    QRandomGenerator rng(7);
    for (int n = 0; n < 400; ++n) {
        const int x1 = rng.bounded(24), y1 = rng.bounded(24);
        const int x2 = rng.bounded(24), y2 = rng.bounded(24);
        if (x1 == x2 && y1 == y2) continue;
        std::string both[2];
        for (const bool back : {false, true}) {
            const int xa = back ? x2 : x1, ya = back ? y2 : y1;
            const int xb = back ? x1 : x2, yb = back ? y1 : y2;
            s.fill(Qt::black);
            PaintLine(s, xa, ya, xb, yb, A);
            ASSERT_TRUE(pixel(xa, ya) == A && pixel(xb, yb) == 0);
            PaintPixel(s, xb, yb, A);
            both[back] = grid();
        }
        ASSERT_EQ(both[0], both[1]) << x1 << "," << y1 << " -> " << x2 << "," << y2;
        ASSERT_EQ(std::count(both[0].begin(), both[0].end(), 'A'),
                  std::max(std::abs(x2 - x1), std::abs(y2 - y1)) + 1);
    }
}

TEST_F(PrimitivesTest, OvalIsFilledInsideATwoPixelOutline) {
    resize(12, 8);
    PaintOval(s, 0, 0, 12, 8, A, B);
    EXPECT_EQ(grid(), "...AAAAAA...\n"
                      ".AAAAAAAAAA.\n"
                      "AAABBBBBBAAA\n"
                      "AABBBBBBBBAA\n"
                      "AABBBBBBBBAA\n"
                      "AAABBBBBBAAA\n"
                      ".AAAAAAAAAA.\n"
                      "...AAAAAA...\n");
    resize(4, 3); // too small for a fill
    PaintOval(s, 0, 0, 4, 3, A, B);
    PaintOval(s, 0, 0, 0, 3, C, C); // empty box: nothing
    EXPECT_EQ(grid(), ".AA.\nAAAA\n.AA.\n");
}

TEST(ShapeTest, PixelsEachTypeCutsFromA75By23Button) {
    const std::vector<QPoint> rounded = {{0, 0},  {1, 0},  {0, 1},  {73, 0},  {74, 0},  {74, 1},
                                         {0, 22}, {1, 22}, {0, 21}, {73, 22}, {74, 22}, {74, 21}};
    const std::vector<QPoint> corners = {{0, 0}, {74, 0}, {0, 22}, {74, 22}};
    for (std::int32_t type = -1; type <= 15; ++type) {
        const bool round = type == RoundedBevel || type == RoundedGradient;
        const bool square = type == OutlinedBevel || type == GradientFramed;
        std::vector<QPoint> cut = round ? rounded : square ? corners : std::vector<QPoint>{};
        if (type == DoubleFrame) cut = {{74, 0}, {0, 22}};
        QRegion expected(0, 0, 75, 23);
        for (const QPoint p : cut) expected -= QRegion(p.x(), p.y(), 1, 1);
        if (type == Oval) continue;
        EXPECT_EQ(shapeRegionFor(type, 75, 23), expected) << type;
    }
}

} // namespace
} // namespace chameleon
