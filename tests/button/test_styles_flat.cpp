// The straight-edged styles, pixel for pixel at the places that tell their looks apart: the
// rings and corners of each bevel, the default-button frame of the classic bevel, the flat
// styles' hover edges and fills, and the transparent style's copy of the backdrop. Buttons are
// 75 x 23 without a caption, so every pixel comes from the edges and the face.
#include "style_fixture.h"

namespace chameleon::testing {
namespace {

// Colours the tests below must be able to tell apart.
void ExpectDistinctSchemeColours(const ButtonRecord& r) {
    const Rgb colours[] = {r.FaceColor, r.LightColor, r.HighlightColor, r.ShadowColor,
                           r.DarkShadowColor};
    for (size_t i = 0; i < std::size(colours); ++i) {
        for (size_t j = i + 1; j < std::size(colours); ++j) ASSERT_NE(colours[i], colours[j]);
    }
}

TEST(OutlinedBevelStyle, DoubleBevelInsideDarkOutline) {
    StyledButton b(OutlinedBevel);
    b.useClassicScheme();
    ExpectDistinctSchemeColours(b.r());
    const ButtonRecord& r = b.r();
    for (const bool enabled : {true, false}) {
        b.r().Enabled = enabled;
        b.draw(StateUp);
        b.expectPixels({{0, 0, r.DarkShadowColor},
                        {-1, -1, r.DarkShadowColor},
                        {1, 1, r.HighlightColor},
                        {1, 10, r.HighlightColor},
                        {2, 2, r.HighlightColor},
                        {-2, 1, r.ShadowColor},
                        {1, -2, r.ShadowColor},
                        {-3, 10, r.ShadowColor},
                        {2, -3, r.ShadowColor},
                        {3, 3, r.FaceColor}});
    }
    b.r().Enabled = true;
    b.draw(StateDown);
    b.expectPixels({{0, 0, r.DarkShadowColor},
                    {1, 1, r.ShadowColor},
                    {2, 2, r.ShadowColor},
                    {-2, 10, r.HighlightColor},
                    {10, -3, r.HighlightColor}});
}

TEST(ClassicBevelStyle, RaisedSunkenAndDisabledRings) {
    StyledButton b(ClassicBevel);
    b.useClassicScheme();
    ExpectDistinctSchemeColours(b.r());
    const ButtonRecord& r = b.r();
    const std::initializer_list<PixelCheck> raised = {
        {0, 0, r.HighlightColor},   {0, 10, r.HighlightColor},  {10, 0, r.HighlightColor},
        {0, -1, r.DarkShadowColor}, {-1, 0, r.DarkShadowColor}, {-1, -1, r.DarkShadowColor},
        {1, 1, r.LightColor},       {1, 10, r.LightColor},      {1, -2, r.ShadowColor},
        {-2, 1, r.ShadowColor},     {-2, -2, r.ShadowColor},    {2, 2, r.FaceColor}};
    b.draw(StateUp);
    b.expectPixels(raised);
    b.r().Enabled = false;
    b.draw(StateUp);
    b.expectPixels(raised);
    b.r().Enabled = true;
    b.draw(StateDown);
    b.expectPixels({{0, 0, r.DarkShadowColor},
                    {-1, -1, r.HighlightColor},
                    {1, 1, r.ShadowColor},
                    {-2, -2, r.LightColor}});
}

TEST(ClassicBevelStyle, DefaultButtonIsOutlinedAndInset) {
    StyledButton b(ClassicBevel);
    b.useClassicScheme();
    b.host.displayAsDefault = true;
    const ButtonRecord& r = b.r();
    b.draw(StateUp);
    b.expectPixels({{0, 0, r.DarkShadowColor},
                    {-1, -1, r.DarkShadowColor},
                    {1, 1, r.HighlightColor},
                    {-2, -2, r.DarkShadowColor},
                    {2, 2, r.LightColor},
                    {-3, -3, r.ShadowColor},
                    {3, 3, r.FaceColor}});
    b.draw(StateDown); // a flat double frame instead of the sunken bevel
    b.expectPixels({{0, 0, r.DarkShadowColor},
                    {-1, -1, r.DarkShadowColor},
                    {1, 1, r.ShadowColor},
                    {-2, -2, r.ShadowColor},
                    {2, 2, r.FaceColor}});
}

TEST(ClassicBevelStyle, DefaultWithoutFocusRectDrawsAsPlain) {
    for (const std::uint8_t state : {StateUp, StateDown}) {
        StyledButton plain(ClassicBevel, 75, 23, QStringLiteral("OK"));
        StyledButton asDefault(ClassicBevel, 75, 23, QStringLiteral("OK"));
        asDefault.host.displayAsDefault = true;
        asDefault.r().ShowFocusRect = false;
        EXPECT_EQ(asDefault.draw(state), plain.draw(state));
    }
}

TEST(ThickRaisedStyle, TwoPixelEdgeInvertedWhenDown) {
    StyledButton b(ThickRaised);
    b.useClassicScheme();
    const ButtonRecord& r = b.r();
    const Rgb light = b.off(r.LightColor, 8);
    for (const bool enabled : {true, false}) {
        b.r().Enabled = enabled;
        b.draw(StateUp);
        b.expectPixels({{0, 0, light},
                        {1, 1, light},
                        {-1, -1, r.ShadowColor},
                        {-2, -2, r.ShadowColor},
                        {2, 2, r.FaceColor}});
    }
    b.r().Enabled = true;
    b.draw(StateDown);
    b.expectPixels(
        {{0, 0, r.ShadowColor}, {1, 1, r.ShadowColor}, {-1, -1, light}, {-2, -2, light}});
}

// Styles 7, 8 and 12: which edge shows up, hovering, down and disabled, at (0, 0), (1, 1) and
// the bottom-right corner.
TEST(FlatStyles, EdgesPerStateAndHover) {
    struct Case {
        std::int32_t type;
        bool over;
        std::uint8_t state;
        bool enabled;
        int topLeft, inner, bottomRight; // 0 face, 1 highlight, 2 shadow, 3 dark, 4 light
    };
    const Case cases[] = {
        {ThinRaised, false, StateUp, true, 1, 0, 2},
        {ThinRaised, false, StateDown, true, 2, 0, 1},
        {ThinRaised, false, StateUp, false, 1, 0, 2},
        {FlatHotThin, false, StateUp, true, 0, 0, 0},
        {FlatHotThin, true, StateUp, true, 1, 0, 2},
        {FlatHotThin, false, StateDown, true, 2, 0, 1},
        {FlatHotThin, true, StateUp, false, 0, 0, 0},
        {FlatHotBevel, false, StateUp, true, 0, 0, 0},
        {FlatHotBevel, true, StateUp, true, 1, 4, 3},
        {FlatHotBevel, false, StateDown, true, 3, 2, 1},
        {FlatHotBevel, true, StateUp, false, 0, 0, 0},
    };
    for (const Case& k : cases) {
        StyledButton b(k.type);
        b.useClassicScheme();
        const ButtonRecord& r = b.r();
        const Rgb colour[] = {r.FaceColor, r.HighlightColor, r.ShadowColor, r.DarkShadowColor,
                              r.LightColor};
        b.r().IsOver = k.over;
        b.r().Enabled = k.enabled;
        b.draw(k.state);
        SCOPED_TRACE(::testing::Message() << "type " << k.type << " over " << k.over << " state "
                                          << int(k.state) << " enabled " << k.enabled);
        b.expectPixels(
            {{0, 0, colour[k.topLeft]}, {1, 1, colour[k.inner]}, {-1, -1, colour[k.bottomRight]}});
    }
}

TEST(FlatHighlightStyle, HoverFillAndFrame) {
    StyledButton b(FlatHighlight);
    b.useClassicScheme();
    const ButtonRecord& r = b.r();
    b.draw(StateUp);
    b.expectPixels({{0, 0, r.FaceColor}, {5, 5, r.FaceColor}});
    b.r().IsOver = true;
    b.draw(StateUp);
    b.expectPixels({{0, 0, r.HotFrameColor},
                    {-1, -1, r.HotFrameColor},
                    {1, 1, r.HotFillColor},
                    {-2, -2, r.HotFillColor}});
    b.draw(StateDown);
    b.expectPixels({{0, 0, r.HotFrameColor}, {5, 5, LightenColor(r.HotFrameColor, 128)}});
    b.r().IsOver = false; // no fill, the frame all the same
    b.draw(StateDown);
    b.expectPixels({{0, 0, r.HotFrameColor}, {5, 5, r.FaceColor}});
    b.r().Enabled = false;
    b.r().IsOver = true;
    b.draw(StateUp);
    b.expectPixels({{0, 0, r.FaceColor}, {5, 5, r.FaceColor}});
}

TEST(FlatHighlightStyle, CustomSchemeDarkensTheHoverFillWhenDown) {
    StyledButton b(FlatHighlight);
    b.r().ColorScheme = SchemeCustom;
    b.r().BackColor = b.r().BackOver = rgb(100, 150, 200);
    ApplyColorScheme(b.c);
    b.r().IsOver = true;
    b.draw(StateDown);
    b.expectPixels({{5, 5, b.off(b.r().HotFillColor, -32)}, {0, 0, b.r().HotFrameColor}});
}

TEST(TransparentStyle, CopiesTheBackdropInsteadOfTheFace) {
    StyledButton b(Transparent);
    b.draw(StateUp); // no backdrop yet: the face stays
    b.expectPixels({{0, 0, b.r().FaceColor}, {-1, -1, b.r().FaceColor}});

    QImage backdrop(75, 23, QImage::Format_RGB32);
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 75; ++x) backdrop.setPixel(x, y, qRgb(x * 3, y * 10, 77));
    }
    b.r().Backdrop = backdrop;
    for (const bool enabled : {true, false}) {
        for (const std::uint8_t state : {StateUp, StateDown}) {
            b.r().Enabled = enabled;
            EXPECT_EQ(b.draw(state), backdrop);
        }
    }

    // A backdrop taken at a smaller size covers only its own part.
    b.r().Backdrop = backdrop.copy(0, 0, 40, 10);
    b.draw(StateUp);
    b.expectPixels({{39, 9, rgb(117, 90, 77)}, {40, 9, b.r().FaceColor}, {0, 10, b.r().FaceColor}});
}

} // namespace
} // namespace chameleon::testing
