// The straight-edged styles, pixel for pixel at the places that tell their looks apart: the
// rings and corners of each bevel, the default-button frame of the classic bevel, the flat
// styles' hover edges and fills, and the transparent style's copy of the backdrop. Buttons are
// 75 x 23 without a caption, so every pixel comes from the edges and the face.
#include "style_fixture.h"

namespace chameleon::testing {
namespace {

// One drawing and its four outer rings (see expectRings), in the classic palette. Besides the
// scheme's letters: l the thick edge's light OffsetColor(Light, 8), h and f the hover frame
// and fill, w the pressed hover fill LightenColor(HotFrame, 128).
struct RingCase {
    std::int32_t type;
    Look look;
    bool over;
    bool asDefault;
    const char* rings;
};

constexpr const char* FaceOnlyRings = "FFFFFFFF FFFFFFFF FFFFFFFF FFFFFFFF";
constexpr RingCase RingCases[] = {
    {OutlinedBevel, Look::Up, false, false, "DDDDDDDD HHSSSSSH HHSSSSSH FFFFFFFF"},
    {OutlinedBevel, Look::Disabled, false, false, "DDDDDDDD HHSSSSSH HHSSSSSH FFFFFFFF"},
    {OutlinedBevel, Look::Down, false, false, "DDDDDDDD SSHHHHHS SSHHHHHS FFFFFFFF"},
    {ClassicBevel, Look::Up, false, false, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {ClassicBevel, Look::Disabled, false, true, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {ClassicBevel, Look::Down, false, false, "DDHHHHHD SSLLLLLS FFFFFFFF FFFFFFFF"},
    // The default button: outlined with the bevel one pixel in; pressed, a flat double frame.
    {ClassicBevel, Look::Up, false, true, "DDDDDDDD HHDDDDDH LLSSSSSL FFFFFFFF"},
    {ClassicBevel, Look::Down, false, true, "DDDDDDDD SSSSSSSS FFFFFFFF FFFFFFFF"},
    {ThickRaised, Look::Up, false, false, "llSSSSSl llSSSSSl FFFFFFFF FFFFFFFF"},
    {ThickRaised, Look::Disabled, false, false, "llSSSSSl llSSSSSl FFFFFFFF FFFFFFFF"},
    {ThickRaised, Look::Down, false, false, "SSlllllS SSlllllS FFFFFFFF FFFFFFFF"},
    {ThinRaised, Look::Up, false, false, "HHSSSSSH FFFFFFFF FFFFFFFF FFFFFFFF"},
    {ThinRaised, Look::Disabled, false, false, "HHSSSSSH FFFFFFFF FFFFFFFF FFFFFFFF"},
    {ThinRaised, Look::Down, false, false, "SSHHHHHS FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotThin, Look::Up, false, false, FaceOnlyRings},
    {FlatHotThin, Look::Up, true, false, "HHSSSSSH FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotThin, Look::Down, false, false, "SSHHHHHS FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHotThin, Look::Disabled, true, false, FaceOnlyRings},
    {FlatHotBevel, Look::Up, false, false, FaceOnlyRings},
    {FlatHotBevel, Look::Up, true, false, "HHDDDDDH LLSSSSSL FFFFFFFF FFFFFFFF"},
    {FlatHotBevel, Look::Down, false, false, "DDHHHHHD SSLLLLLS FFFFFFFF FFFFFFFF"},
    {FlatHotBevel, Look::Disabled, true, false, FaceOnlyRings},
    {FlatHighlight, Look::Up, false, false, FaceOnlyRings},
    {FlatHighlight, Look::Up, true, false, "hhhhhhhh ffffffff ffffffff ffffffff"},
    {FlatHighlight, Look::Down, true, false, "hhhhhhhh wwwwwwww wwwwwwww wwwwwwww"},
    // Pressed without hovering: no fill, but the frame all the same.
    {FlatHighlight, Look::Down, false, false, "hhhhhhhh FFFFFFFF FFFFFFFF FFFFFFFF"},
    {FlatHighlight, Look::Disabled, true, false, FaceOnlyRings},
};

TEST(StraightEdgedStyles, RingsPerLookHoverAndDefault) {
    for (const RingCase& k : RingCases) {
        SCOPED_TRACE(::testing::Message() << "type " << k.type << " look " << int(k.look)
                                          << " over " << k.over << " default " << k.asDefault);
        StyledButton b(k.type);
        b.useClassicScheme();
        b.host.displayAsDefault = k.asDefault;
        b.r().IsOver = k.over;
        b.r().Enabled = k.look != Look::Disabled;
        const ButtonRecord& r = b.r();
        const QImage drawn = b.draw(k.look == Look::Down ? StateDown : StateUp);
        b.expectRings(k.rings, "lhfw",
                      {b.off(r.LightColor, 8), r.HotFrameColor, r.HotFillColor,
                       LightenColor(r.HotFrameColor, 128)});
        // The disabled drawing is the same whatever the state.
        if (k.look == Look::Disabled) {
            EXPECT_EQ(b.draw(StateDown), drawn);
        }
    }
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

TEST(FlatHighlightStyle, CustomSchemeDarkensTheHoverFillWhenDown) {
    StyledButton b(FlatHighlight);
    b.useCustomScheme(rgb(100, 150, 200), rgb(100, 150, 200));
    b.r().IsOver = true;
    b.draw(StateDown);
    b.expectRings("hhhhhhhh ffffffff", "hf", {b.r().HotFrameColor, b.off(b.r().HotFillColor, -32)});
}

TEST(TransparentStyle, CopiesTheBackdropInsteadOfTheFace) {
    StyledButton b(Transparent);
    b.draw(); // no backdrop yet: the face stays
    b.expectRings("FFFFFFFF");

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
    b.draw();
    b.expectPixels({{39, 9, rgb(117, 90, 77)}, {40, 9, b.r().FaceColor}, {0, 10, b.r().FaceColor}});
}

} // namespace
} // namespace chameleon::testing
