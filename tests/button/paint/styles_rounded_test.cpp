// The rounded, gradient and oval styles, pixel for pixel: gradient rows (a float step, halves
// to even, pressed bottom-up), RoundedGradient's edge palettes, RoundedBevel's rings and
// GradientBase, DoubleFrame's frames, focus box and pressed caption, and GradientFramed.
#include "tests/button/paint/style_fixture.h"

namespace chameleon::testing {
namespace {

constexpr Rgb kOutline = rgb(0, 60, 115), kCornerPixel = rgb(16, 77, 123);
constexpr Rgb kFocusBox = rgb(153, 153, 204);

// The inner edge: top t, bottom b, second line s, inner frame i, side lines d.
struct Palette {
    Rgb inner, bottom, top, second, side;
};
constexpr Palette kHover = {rgb(255, 178, 49), rgb(231, 150, 0), rgb(255, 243, 206),
                            rgb(255, 219, 140), rgb(255, 203, 107)};
constexpr Palette kFocus = {rgb(140, 174, 231), rgb(107, 130, 239), rgb(206, 231, 255),
                            rgb(189, 215, 247), rgb(181, 209, 240)};

TEST(StylesRoundedTest, GradientStepIsHeldAsFloatAndHalvesToEven) {
    const int halfSteps[] = {0, -1, -2, -2, -2, -3, -4, -4, -4, -5};
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(gradientOffset(25, 25, i), -i);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(gradientOffset(25, 50, i), halfSteps[i - 1]) << i;
    // 58 / 23 as a float is 2.5217391; 25 / 30 is 0.83333331 (9 steps 7.4999998) and 25 / 70 is
    // 0.35714287 (7 steps 2.5000001), beside the halves a double would hit.
    EXPECT_EQ((std::array{gradientOffset(58, 23, 1), gradientOffset(58, 23, 23),
                          gradientOffset(25, 30, 9), gradientOffset(25, 70, 7)}),
              (std::array{-3, -58, -7, -3}));
}

// Face rows at heights 25 and 50 (pressed: from a darker base, bottom-up), the outline and its
// corner pixels, and the shaded edge lines as {x, y, offset from the face's base}.
TEST(StylesRoundedTest, RoundedGradientGradientRowsOutlineAndShadedEdges) {
    const int rest[][3] = {{10, -2, -48}, {10, -3, -32}, {-2, 10, -36}, {-3, 10, -24},
                           {10, 1, 16},   {10, 2, 10},   {1, 10, -5},   {2, 10, -10}};
    const int pressed[][3] = {{10, -2, 16}, {10, -3, 10}, {-2, 10, 5},  {10, 1, -32},
                              {10, 2, -24}, {1, 10, -32}, {2, 10, -22}, {2, 2, -22}};
    for (const int height : {25, 50}) {
        for (const bool down : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "height " << height << " down " << down);
            StyleFixture b(RoundedGradient, 137, height);
            const Rgb gb = b.r().colors.GradientBase, base = down ? b.off(gb, -32, true) : gb;
            b.draw(down ? StateDown : StateUp);
            for (int y = 3; y <= height - 4; ++y)
                EXPECT_EQ(b.host.pixel(10, y),
                          b.off(base, gradientOffset(25, height, down ? height - y : y), true));
            b.expectRings("OOOOOOOO c.c.c.c.", "Oc", {kOutline, kCornerPixel});
            for (const auto& s : down ? pressed : rest)
                b.expectPixel(s[0], s[1], b.off(base, s[2], true));
            if (down) b.expectPixel(-3, 10, gb); // the inner right line in the base itself
        }
    }
}

// Hover beats focus; focus or default needs ShowFocusRect. Disabled, a flat shaded face f in a
// shaded outline o with shaded corner pixels c, hovered or not.
TEST(StylesRoundedTest, RoundedGradientInnerEdgeByHoverFocusAndDefaultAndTheDisabledLook) {
    StyleFixture b(RoundedGradient, 137, 25);
    const Rgb gb = b.r().colors.GradientBase;
    for (const auto& [over, focus, asDefault, p] : {std::tuple{true, true, false, kHover},
                                                    {false, true, false, kFocus},
                                                    {false, false, true, kFocus}}) {
        b.r().IsOver = over, b.r().HasFocus = focus, b.host.displayAsDefault = asDefault;
        b.draw();
        b.expectRings("OOOOOOOO ctcicbci sssdiiid", "Octbsid",
                      {kOutline, kCornerPixel, p.top, p.bottom, p.second, p.inner, p.side});
        b.expectPixel(-2, 2, p.second);
    }
    b.r().ShowFocusRect = false;
    b.r().HasFocus = true;
    b.draw();
    b.expectPixel(10, 1, b.off(gb, 16, true));
    b.r().IsOver = true;
    b.r().Enabled = false;
    b.draw();
    b.expectRings("oooooooo cfcfcfcf ffffffff", "foc",
                  {b.off(gb, -24, true), b.off(gb, -84, true), b.off(gb, -72, true)});
}

// Up and disabled differ only in the caption. Pressed, nested frames shaded from the shadow
// colour: p the pressed face, o and i the outer and inner frames.
TEST(StylesRoundedTest, RoundedBevelRingsAndTheChangeOfGradientBase) {
    StyleFixture b(RoundedBevel);
    b.useScheme(SchemeClassic);
    for (const bool enabled : {false, true}) {
        b.r().Enabled = enabled;
        b.draw();
        b.expectRings("DDDDDDDD .LDSDSDL HHFFSFFH HLLLFLLL");
    }
    b.r().colors.GradientBase = rgb(1, 2, 3);
    b.draw(StateDown);
    const Rgb sh = b.r().colors.ShadowColor, inner = b.off(sh, -32);
    b.expectRings("DDDDDDDD DoDpDpDo oiSSSSSi ipppSppp", "poi",
                  {b.off(sh, -16), b.off(sh, -64), inner});
    b.expectPixel(2, -2, inner);
    b.expectPixel(-2, 2, inner);
    EXPECT_EQ(b.r().colors.GradientBase, b.off(b.r().colors.FaceColor, 48));
}

// d the dark frame, c its lifted corners, f the lifted face, p the pressed face. The focus box
// frames the caption in both looks; pressed, the caption is in TextOverColor, its mode kept.
TEST(StylesRoundedTest, DoubleFrameFramesFocusBoxAndThePressedCaption) {
    StyleFixture b(DoubleFrame, 75, 23, QStringLiteral("WWW"));
    b.useScheme(SchemeClassic);
    b.r().colors.TextOverColor = rgb(255, 0, 0);
    const ButtonRecord& r = b.r();
    const Rgb dark = b.off(r.colors.ShadowColor, -26);
    const Rect& box = r.CaptionRect;
    const auto focusBoxShown = [&] {
        return b.host.pixel(box.left - 2, box.top - 1) == kFocusBox &&
               b.host.pixel(box.left + r.CaptionWidth + 1, box.top + r.CaptionHeight) == kFocusBox;
    };
    for (const bool focus : {false, true}) {
        b.r().HasFocus = focus;
        b.draw();
        b.expectRings("ddFHHHFd HHcdddcH ffffffff", "dcf",
                      {dark, b.off(r.colors.ShadowColor, 26), b.off(r.colors.FaceColor, 12)});
        EXPECT_EQ(focusBoxShown(), focus);
        const std::uint8_t mode = r.LastCaptionMode;
        b.draw(StateDown);
        b.expectRings("ddFHHHFd ppdddddp pppppppp", "dp", {dark, b.off(r.colors.ShadowColor, 16)});
        EXPECT_EQ(focusBoxShown(), focus);
        EXPECT_EQ(r.LastCaptionMode, mode);
    }
    const QImage pressed = b.host.image;
    b.r().colors.TextColor = rgb(0, 255, 0);
    EXPECT_EQ(b.draw(StateDown), pressed);
    b.r().colors.TextOverColor = rgb(0, 0, 255);
    EXPECT_NE(b.draw(StateDown), pressed);
    b.r().Enabled = false;
    b.draw();
    b.expectRings("SSSSSSSS FFFFFFFF");
}

// o, i the outer and inner frames. Hovered, a flat Light face; disabled, the gradient whatever
// the pointer does; pressed, a flat face, a darker outer frame p, highlights bottom and right.
TEST(StylesRoundedTest, GradientFramedGradientOrFlatFaceInsideTheFrames) {
    StyleFixture b(GradientFramed);
    b.useScheme(SchemeCustom, rgb(100, 110, 120), rgb(100, 110, 120)); // a highlight below white
    const ButtonRecord& r = b.r();
    const Rgb inner = b.off(r.colors.FaceColor, -9);
    for (const auto& [over, enabled] :
         {std::pair{false, true}, std::pair{true, true}, std::pair{true, false}}) {
        SCOPED_TRACE(::testing::Message() << "over " << over << " enabled " << enabled);
        b.r().IsOver = over;
        b.r().Enabled = enabled;
        b.draw();
        const bool flat = over && enabled;
        b.expectRings(flat ? "oooooooo iiiiiiii HHHLLLHH HHHLLLHH"
                           : "oooooooo iiiiiiii HHH...HH HHH...HH",
                      "oi", {b.off(r.colors.ShadowColor, -50), inner});
        for (int y = 4; y <= 19 && !flat; ++y)
            EXPECT_EQ(b.host.pixel(10, y),
                      b.off(r.colors.HighlightColor, gradientOffset(58, 23, y)));
    }
    b.r().Enabled = true;
    b.draw(StateDown);
    b.expectRings("pppppppp iiiHHHii iiiiiiii", "pi", {b.off(r.colors.ShadowColor, -48), inner});
}

} // namespace
} // namespace chameleon::testing
