// The rounded, gradient and oval styles, pixel for pixel: gradient rows for heights 25 and 50
// (the step held as a float, halves rounded to even, the pressed gradient bottom-up), the
// three RoundedGradient edge palettes and their fixed colours, RoundedBevel's rings and its
// change of GradientBase, DoubleFrame's frames, focus box and directly drawn pressed caption,
// the oval, and GradientFramed's frames and bold default caption.
#include "style_fixture.h"

#include "button/styles.h"

#include <vector>

namespace chameleon::testing {
namespace {

TEST(GradientArithmetic, StepHeldAsFloatAndHalvesToEven) {
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(GradientOffset(25, 25, i), -i);
    const int halfSteps[] = {0, -1, -2, -2, -2, -3, -4, -4, -4, -5};
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(GradientOffset(25, 50, i), halfSteps[i - 1]) << i;
    // 58 / 23 as a float is 2.5217391...: row 1 gets -3, row 23 gets -58.
    EXPECT_EQ(GradientOffset(58, 23, 1), -3);
    EXPECT_EQ(GradientOffset(58, 23, 23), -58);
    // 25 / 3 held as a float is a hair below 8.333...: three steps still round to -25.
    EXPECT_EQ(GradientOffset(25, 3, 3), -25);
}

// RoundedGradient up at rest, H = 25 and H = 50: gradient rows away from the edges, the
// outline, the corner pixels and the shaded resting edge.
TEST(RoundedGradientStyle, UpAtRestGradientOutlineAndShadedEdge) {
    for (const int height : {25, 50}) {
        StyledButton b(RoundedGradient, 137, height);
        const Rgb base = b.r().GradientBase;
        b.draw(StateUp);
        for (int y = 3; y <= height - 4; ++y) {
            EXPECT_EQ(b.host.pixel(10, y), b.offP(base, GradientOffset(25, height, y))) << y;
        }
        b.expectPixels({{0, 0, rgb(0, 60, 115)},
                        {-1, 10, rgb(0, 60, 115)},
                        {10, -1, rgb(0, 60, 115)},
                        {1, 1, rgb(16, 77, 123)},
                        {1, -2, rgb(16, 77, 123)},
                        {-2, 1, rgb(16, 77, 123)},
                        {-2, -2, rgb(16, 77, 123)},
                        {10, -2, b.offP(base, -48)},
                        {10, -3, b.offP(base, -32)},
                        {-2, 10, b.offP(base, -36)},
                        {-3, 10, b.offP(base, -24)},
                        {10, 1, b.offP(base, 16)},
                        {10, 2, b.offP(base, 10)},
                        {1, 10, b.offP(base, -5)},
                        {2, 10, b.offP(base, -10)}});
    }
}

struct Palette {
    Rgb inner, bottom, top, second, side;
};
constexpr Palette Hover = {rgb(255, 178, 49), rgb(231, 150, 0), rgb(255, 243, 206),
                           rgb(255, 219, 140), rgb(255, 203, 107)};
constexpr Palette Focus = {rgb(140, 174, 231), rgb(107, 130, 239), rgb(206, 231, 255),
                           rgb(189, 215, 247), rgb(181, 209, 240)};

void ExpectPalette(const StyledButton& b, const Palette& p) {
    b.expectPixels({{1, 10, p.inner},
                    {-2, 10, p.inner},
                    {10, -3, p.inner},
                    {10, -2, p.bottom},
                    {10, 1, p.top},
                    {10, 2, p.second},
                    {-2, 2, p.second},
                    {2, 10, p.side},
                    {-3, 10, p.side},
                    {0, 0, rgb(0, 60, 115)},
                    {1, 1, rgb(16, 77, 123)}});
}

TEST(RoundedGradientStyle, HoverBeatsFocusAndFocusNeedsFocusRect) {
    StyledButton b(RoundedGradient, 137, 25);
    b.r().IsOver = true;
    b.r().HasFocus = true;
    b.draw(StateUp);
    ExpectPalette(b, Hover);

    b.r().IsOver = false;
    b.draw(StateUp);
    ExpectPalette(b, Focus);

    b.r().HasFocus = false;
    b.host.displayAsDefault = true;
    b.draw(StateUp);
    ExpectPalette(b, Focus);

    b.r().ShowFocusRect = false; // neither focus nor default shows without it
    b.r().HasFocus = true;
    b.draw(StateUp);
    b.expectPixels({{10, 1, b.offP(b.r().GradientBase, 16)}});
}

TEST(RoundedGradientStyle, DownGradientRunsBottomUpWithPressedEdge) {
    for (const int height : {25, 50}) {
        StyledButton b(RoundedGradient, 137, height);
        const Rgb gb = b.r().GradientBase;
        const Rgb base = b.offP(gb, -32);
        b.draw(StateDown);
        for (int y = 3; y <= height - 4; ++y) {
            const int i = height - y;
            EXPECT_EQ(b.host.pixel(10, y), b.offP(base, GradientOffset(25, height, i))) << y;
        }
        b.expectPixels({{0, 0, rgb(0, 60, 115)},
                        {-2, -2, rgb(16, 77, 123)},
                        {10, -2, b.offP(base, 16)},
                        {10, -3, b.offP(base, 10)},
                        {-2, 10, b.offP(base, 5)},
                        {-3, 10, gb},
                        {10, 1, b.offP(base, -32)},
                        {10, 2, b.offP(base, -24)},
                        {1, 10, b.offP(base, -32)},
                        {2, 10, b.offP(base, -22)},
                        {2, 2, b.offP(base, -22)}});
    }
}

TEST(RoundedGradientStyle, DisabledIsFlatAndShaded) {
    StyledButton b(RoundedGradient, 137, 25);
    b.r().Enabled = false;
    b.r().IsOver = true;
    b.draw(StateUp);
    const Rgb gb = b.r().GradientBase;
    b.expectPixels({{10, 10, b.offP(gb, -24)},
                    {10, 1, b.offP(gb, -24)},
                    {0, 0, b.offP(gb, -84)},
                    {-1, -1, b.offP(gb, -84)},
                    {1, 1, b.offP(gb, -72)},
                    {-2, -2, b.offP(gb, -72)}});
}

TEST(RoundedBevelStyle, UpAndDisabledEdges) {
    for (const bool enabled : {true, false}) {
        StyledButton b(RoundedBevel);
        b.useClassicScheme();
        b.r().Enabled = enabled;
        b.draw(StateUp);
        const ButtonRecord& r = b.r();
        b.expectPixels({{0, 5, r.DarkShadowColor},
                        {1, -2, r.DarkShadowColor},
                        {-2, -2, r.DarkShadowColor},
                        {5, 1, r.LightColor},
                        {10, 10, r.LightColor},
                        {10, 2, r.HighlightColor},
                        {2, 10, r.HighlightColor},
                        {3, 3, r.HighlightColor},
                        {-3, 10, r.FaceColor},
                        {10, -3, r.FaceColor},
                        {-4, -4, r.FaceColor},
                        {-2, 10, r.ShadowColor},
                        {10, -2, r.ShadowColor},
                        {-3, -3, r.ShadowColor}});
    }
}

TEST(RoundedBevelStyle, DownRingsAndGradientBaseChange) {
    StyledButton b(RoundedBevel);
    b.useClassicScheme();
    b.r().GradientBase = rgb(1, 2, 3);
    b.draw(StateDown);
    const ButtonRecord& r = b.r();
    const Rgb sh = r.ShadowColor;
    EXPECT_EQ(r.GradientBase, b.off(r.FaceColor, 48));
    b.expectPixels({{10, 10, b.off(sh, -16)},
                    {0, 0, r.DarkShadowColor},
                    {1, 1, r.DarkShadowColor},
                    {5, 1, b.off(sh, -64)},
                    {1, 5, b.off(sh, -64)},
                    {5, 2, b.off(sh, -32)},
                    {2, 2, b.off(sh, -64)},
                    {3, 3, b.off(sh, -32)},
                    {-3, 10, sh},
                    {10, -3, sh},
                    {-4, -4, sh},
                    {-2, 10, b.off(sh, -16)},
                    {10, -2, b.off(sh, -16)},
                    {2, -2, b.off(sh, -32)},
                    {-2, 2, b.off(sh, -32)}});
}

TEST(DoubleFrameStyle, UpFramesCornersAndFocusBox) {
    StyledButton b(DoubleFrame, 75, 23, QStringLiteral("Go"));
    b.useClassicScheme();
    const ButtonRecord& r = b.r();
    b.draw(StateUp);
    b.expectPixels({{5, 5, b.off(r.FaceColor, 12)},
                    {0, 0, b.off(r.ShadowColor, -26)},
                    {-2, 5, b.off(r.ShadowColor, -26)},
                    {-1, 5, r.HighlightColor},
                    {5, -1, r.HighlightColor},
                    {1, -2, b.off(r.ShadowColor, 26)},
                    {-2, 1, b.off(r.ShadowColor, 26)},
                    {-1, 0, r.FaceColor}});
    const int boxX = r.CaptionRect.left - 2, boxY = r.CaptionRect.top - 1;
    EXPECT_NE(b.host.pixel(boxX, boxY), rgb(153, 153, 204));
    b.r().HasFocus = true;
    b.draw(StateUp);
    b.expectPixels({{boxX, boxY, rgb(153, 153, 204)},
                    {boxX + r.CaptionWidth + 3, boxY + r.CaptionHeight + 1, rgb(153, 153, 204)}});
}

TEST(DoubleFrameStyle, DownDrawsCaptionDirectlyInHoverColour) {
    StyledButton b(DoubleFrame, 75, 23, QStringLiteral("WWW"));
    b.useClassicScheme();
    b.r().TextOverColor = rgb(255, 0, 0);
    b.r().LastCaptionMode = CaptionOver;
    b.draw(StateDown);
    const ButtonRecord& r = b.r();
    b.expectPixels({{5, 5, b.off(r.ShadowColor, 16)},
                    {0, 0, b.off(r.ShadowColor, -26)},
                    {-2, -2, b.off(r.ShadowColor, -26)},
                    {-1, 5, r.HighlightColor},
                    {5, -1, r.HighlightColor}});
    EXPECT_EQ(b.host.currentTextColor, rgb(255, 0, 0));
    EXPECT_EQ(r.LastCaptionMode, CaptionOver);
    int reddish = 0;
    for (int y = r.CaptionRect.top; y < r.CaptionRect.bottom; ++y) {
        for (int x = r.CaptionRect.left; x < r.CaptionRect.right; ++x) {
            const Rgb p = b.host.pixel(x, y);
            if (redOf(p) > greenOf(p) + 60) ++reddish;
        }
    }
    EXPECT_GT(reddish, 5);
}

TEST(DoubleFrameStyle, DisabledShadowFrameOnly) {
    StyledButton b(DoubleFrame);
    b.useClassicScheme();
    b.r().Enabled = false;
    b.draw(StateUp);
    const ButtonRecord& r = b.r();
    b.expectPixels({{0, 0, r.ShadowColor}, {-1, -1, r.ShadowColor}, {5, 5, r.FaceColor}});
}

TEST(OvalStyle, EllipseOutlineAndPressedFace) {
    StyledButton b(Oval, 40, 40);
    b.useClassicScheme();
    const ButtonRecord& r = b.r();
    const auto leftEdge = [&] {
        return std::vector<Rgb>{b.host.pixel(0, 20), b.host.pixel(1, 20)};
    };
    b.draw(StateUp);
    EXPECT_EQ(leftEdge(), (std::vector<Rgb>{r.FaceColor, r.FaceColor}));
    b.r().IsOver = true;
    b.draw(StateUp);
    EXPECT_EQ(leftEdge(), (std::vector<Rgb>{r.ShadowColor, r.ShadowColor}));
    b.draw(StateDown);
    b.expectPixels(
        {{20, 20, b.off(r.FaceColor, -32)}, {0, 0, r.FaceColor}, {1, 20, r.DarkShadowColor}});
    b.r().Enabled = false; // no ellipse at all
    b.draw(StateUp);
    b.expectPixels({{20, 20, r.FaceColor}, {1, 20, r.FaceColor}});
}

TEST(GradientFramedStyle, UpGradientFramesAndHoverFace) {
    StyledButton b(GradientFramed);
    b.r().ColorScheme = SchemeCustom; // a highlight below white, so the gradient shows
    b.r().BackColor = b.r().BackOver = rgb(100, 110, 120);
    ApplyColorScheme(b.c);
    const ButtonRecord& r = b.r();
    b.draw(StateUp);
    for (int y = 4; y <= 19; ++y) {
        EXPECT_EQ(b.host.pixel(10, y), b.off(r.HighlightColor, GradientOffset(58, 23, y))) << y;
    }
    const std::initializer_list<PixelCheck> edges = {
        {0, 0, b.off(r.ShadowColor, -50)}, {-1, -1, b.off(r.ShadowColor, -50)},
        {1, 1, b.off(r.FaceColor, -9)},    {-2, -2, b.off(r.FaceColor, -9)},
        {2, 2, r.HighlightColor},          {-3, 3, r.HighlightColor},
        {3, -4, r.HighlightColor}};
    b.expectPixels(edges);
    b.r().IsOver = true;
    b.draw(StateUp);
    b.expectPixels({{10, 10, r.LightColor}});
    b.expectPixels(edges);
    b.r().Enabled = false; // disabled: the gradient whatever the pointer does
    b.draw(StateUp);
    b.expectPixels({{10, 10, b.off(r.HighlightColor, GradientOffset(58, 23, 10))}});
    b.expectPixels(edges);
}

TEST(GradientFramedStyle, DownFrames) {
    StyledButton b(GradientFramed);
    b.useClassicScheme();
    b.draw(StateDown);
    const ButtonRecord& r = b.r();
    b.expectPixels({{0, 0, b.off(r.ShadowColor, -48)},
                    {1, 1, b.off(r.FaceColor, -9)},
                    {10, 10, b.off(r.FaceColor, -9)},
                    {10, -2, r.HighlightColor},
                    {-2, 10, r.HighlightColor},
                    {-2, -2, r.HighlightColor}});
}

// Records every font the surface is given.
class FontRecordingHost : public TestHost {
  public:
    using TestHost::TestHost;
    std::vector<bool> boldSet;
    void setFont(const QFont& font) override {
        boldSet.push_back(font.bold());
        TestHost::setFont(font);
    }
};

TEST(GradientFramedStyle, DefaultButtonCaptionIsBoldForTheDrawingOnly) {
    FontRecordingHost host(75, 23);
    Control c(host);
    c.r.ButtonType = GradientFramed;
    c.r.ColorScheme = SchemeSystem;
    c.r.Enabled = true;
    c.r.ShowFocusRect = true;
    c.r.Caption = QStringLiteral("Default");
    c.r.ClientWidth = 75;
    c.r.ClientHeight = 23;
    ApplyColorScheme(c);
    LayoutCaption(c);
    const Rect layout = c.r.CaptionRect;
    Redraw(c, StateUp, true);
    EXPECT_TRUE(host.boldSet.empty());
    const QImage plain = host.image;

    host.displayAsDefault = true;
    Redraw(c, StateUp, true);
    EXPECT_EQ(host.boldSet, (std::vector<bool>{true, false}));
    EXPECT_FALSE(host.surfaceFont.bold());
    EXPECT_TRUE(c.r.RedrawAllowed);
    EXPECT_EQ(c.r.CaptionRect, layout);
    EXPECT_EQ(host.clears, 2); // the font change drew nothing of its own
    EXPECT_NE(host.image, plain);
}

} // namespace
} // namespace chameleon::testing
